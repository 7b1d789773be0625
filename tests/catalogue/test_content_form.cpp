// The content form: new entries and their order numbers, changes (also one
// that meets another station's change), deletion without a window, the retry
// questions, the history copy behind Ctrl+H, and what the fields refuse.

#include "catalogue/content_form.h"
#include "catalogue/content_history.h"
#include "data/files/kvaprende.h"
#include "data/files/kvmaterias.h"
#include "shell/dialog_units.h"
#include "shell/text_rules.h"
#include "tests/support/gui_support.h"
#include "tests/support/test_support.h"

#include <QClipboard>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <gtest/gtest.h>
#include <sqlite3.h>

namespace kv {
namespace {

using Titles = std::vector<QString>;

// Types text as a user would, one key event per character (also characters
// that have no key of their own).
void typeText(QWidget* w, const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype n = text[i].isHighSurrogate() ? 2 : 1;
        const QString ch = text.mid(i, n);
        i += n - 1;
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, ch);
        QApplication::sendEvent(w, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, ch);
        QApplication::sendEvent(w, &release);
    }
}

void recallInto(QWidget* w)
{
    QTest::keyClick(w, Qt::Key_H, Qt::ControlModifier);
}

class ContentFormTest : public ::testing::Test {
protected:
    ContentFormTest()
    {
        app.errors.setPresenter(&recorder);
        forgetContentHistory();
        // The subject the list shows.
        Record& m = app.dict.kvmaterias.buffer;
        m.setInteger(KVM::NRO_REGISTRO, 7);
        m.setInteger(KVM::COD_CURSO, 3);
        m.setInteger(KVM::COD_PROFESOR, 77);
        m.setText(KVM::MATERIA, QStringLiteral("Matemática"));
        m.setText(KVM::PROFESOR, QStringLiteral("PÉREZ, ANA"));
    }

    // An entry stored by other means; returns its position.
    std::int64_t storeEntry(
        std::int32_t subject, const QString& content, std::int32_t nro = 0, std::int16_t order = 1)
    {
        Record& e = app.dict.kvaprende.buffer;
        e.clear();
        e.setInteger(KVAP::NRO_REGISTRO, nro);
        e.setInteger(KVAP::COD_MATERIA, subject);
        e.setInteger(KVAP::NRO_ORDEN, order);
        EXPECT_TRUE(e.setText(KVAP::CONTENIDO_PRIORIZADO, content));
        EXPECT_TRUE(e.setMemo(KVAP::APRENDIZAJE_TRABAJO, QStringLiteral("Aprendizaje de ") + content));
        EXPECT_EQ(app.dict.kvaprende.access.insert(), Status::Ok);
        return app.dict.kvaprende.access.position();
    }

    // What the list leaves before it calls the form.
    void askInsert()
    {
        app.dict.kvaprende.buffer.clear();
        app.globalRequest = InsertRecord;
    }
    void ask(std::uint8_t request, std::int64_t position)
    {
        ASSERT_EQ(app.dict.kvaprende.access.reget(position), Status::Ok);
        app.globalRequest = request;
    }

    std::uint8_t runForm(const std::function<void(ContentForm&)>& script)
    {
        ContentForm form(app);
        test::runWindow(form, [&] { script(form); });
        return app.globalResponse;
    }

    // Types content and learning and presses "Aceptar".
    std::uint8_t addEntry(const QString& content, const QString& learning)
    {
        askInsert();
        return runForm([&](ContentForm& f) {
            typeText(f.contentEntry(), content);
            QTest::keyClick(f.contentEntry(), Qt::Key_Tab);
            typeText(f.learningText(), learning);
            QTest::mouseClick(f.okButton(), Qt::LeftButton);
        });
    }

    std::vector<Record> entries()
    {
        std::vector<Record> out;
        FileManager& aprende = app.dict.kvaprende.access;
        aprende.setRecordOrder();
        while (aprende.nextInRecordOrder() == Status::Ok) {
            out.push_back(app.dict.kvaprende.buffer);
        }
        return out;
    }

    // A failure planted in the file, as a damaged disk or another program might cause.
    void refuseInKvaprende(const char* operation)
    {
        sqlite3* other = nullptr;
        ASSERT_EQ(
            sqlite3_open(QFile::encodeName(app.dict.kvaprende.access.path()).constData(), &other), SQLITE_OK);
        const std::string sql = std::string("CREATE TRIGGER refuse BEFORE ") + operation
            + " ON KVAPRENDE BEGIN SELECT RAISE(ABORT, 'disk failure'); END";
        EXPECT_EQ(sqlite3_exec(other, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(other);
    }

    test::TempFolder folder;
    test::RecordingPresenter recorder;
    AppState app {folder.path()};
};

TEST_F(ContentFormTest, ANewEntryGetsTheSubjectAndTheNextOrderNumberOfTheWholeFile)
{
    struct {
        int existing;
        std::int32_t order;
    } const cases[] = {{0, 1}, {12, 13}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.existing);
        app.dict.kvaprende.access.database()->exec("DELETE FROM KVAPRENDE");
        for (int i = 0; i < c.existing; ++i) {
            storeEntry(1 + i % 3, QStringLiteral("Contenido %1").arg(i)); // entries of any subjects
        }
        EXPECT_EQ(
            addEntry(QStringLiteral("Fracciones"), QStringLiteral("Compara fracciones.")), RequestCompleted);
        const Record stored = entries().back();
        EXPECT_EQ(stored.integer(KVAP::NRO_ORDEN), c.order);
        EXPECT_EQ(stored.integer(KVAP::NRO_REGISTRO), 0);
        EXPECT_EQ(stored.integer(KVAP::COD_MATERIA), 7);
        EXPECT_EQ(stored.integer(KVAP::COD_CURSO), 3);
        EXPECT_EQ(stored.integer(KVAP::COD_DOCENTE), 77);
        EXPECT_EQ(stored.text(KVAP::MATERIAS), QStringLiteral("Matemática"));
        EXPECT_EQ(stored.text(KVAP::DOCENTE), QStringLiteral("PÉREZ, ANA"));
        EXPECT_EQ(stored.text(KVAP::CONTENIDO_PRIORIZADO), QStringLiteral("Fracciones"));
        EXPECT_EQ(stored.memo(KVAP::APRENDIZAJE_TRABAJO), QStringLiteral("Compara fracciones."));
        EXPECT_EQ(app.dict.kvaprende.buffer, stored); // the buffer holds the entry as stored
    }
    EXPECT_EQ(recorder.titles(), Titles {});
}

TEST_F(ContentFormTest, NewEntriesAreAllStoredWithNumberZeroWithoutDuplicateKeyMessages)
{
    for (const char* content : {"Uno", "Dos", "Tres"}) {
        EXPECT_EQ(addEntry(QString::fromUtf8(content), QStringLiteral("Algo")), RequestCompleted);
    }
    const std::vector<Record> stored = entries();
    ASSERT_EQ(stored.size(), 3u);
    for (std::size_t i = 0; i < stored.size(); ++i) {
        EXPECT_EQ(stored[i].integer(KVAP::NRO_REGISTRO), 0);
        EXPECT_EQ(stored[i].integer(KVAP::NRO_ORDEN), static_cast<std::int32_t>(i + 1));
    }
    EXPECT_EQ(recorder.titles(), Titles {});
}

TEST_F(ContentFormTest, LeavingWithoutAceptarStoresNothingAndAsksNothing)
{
    const std::function<void(ContentForm&)> ways[] = {
        [](ContentForm& f) { QTest::mouseClick(f.cancelButton(), Qt::LeftButton); },
        [](ContentForm& f) { QTest::keyClick(f.contentEntry(), Qt::Key_Escape); },
        [](ContentForm& f) { f.close(); },
    };
    for (const auto& leave : ways) {
        askInsert();
        const std::uint8_t response = runForm([&](ContentForm& f) {
            typeText(f.contentEntry(), QStringLiteral("Fracciones"));
            typeText(f.learningText(), QStringLiteral("Compara fracciones."));
            leave(f);
            EXPECT_FALSE(f.isVisible());
        });
        EXPECT_EQ(response, RequestCancelled);
    }
    EXPECT_EQ(app.dict.kvaprende.access.recordCount(), 0);
    EXPECT_EQ(recorder.titles(), Titles {});
}

TEST_F(ContentFormTest, CtrlHRecallsTheLastCompletedContentAndNeverTouchesTheLearning)
{
    askInsert();
    runForm([](ContentForm& f) {
        typeText(f.contentEntry(), QStringLiteral("a medio escribir"));
        recallInto(f.contentEntry());
        EXPECT_EQ(f.contentEntry()->text(), QString()); // nothing completed since the start
        typeText(f.learningText(), QStringLiteral("Lo aprendido"));
        recallInto(f.learningText());
        EXPECT_EQ(f.learningText()->toPlainText(), QStringLiteral("Lo aprendido"));
    });
    ASSERT_EQ(
        addEntry(QStringLiteral("Fracciones"), QStringLiteral("Compara fracciones.")), RequestCompleted);

    // Kept from one call of the form to the next.
    askInsert();
    runForm([](ContentForm& f) {
        recallInto(f.contentEntry());
        EXPECT_EQ(f.contentEntry()->text(), QStringLiteral("Fracciones"));
        typeText(f.learningText(), QStringLiteral("Otro aprendizaje"));
        recallInto(f.learningText());
        EXPECT_EQ(f.learningText()->toPlainText(), QStringLiteral("Otro aprendizaje"));
    });
}

TEST_F(ContentFormTest, AnEntryAcceptedUntouchedIsRewrittenWithTheCurrentSubject)
{
    // Stored under the subject's former name, course and teacher.
    Record& e = app.dict.kvaprende.buffer;
    e.clear();
    e.setInteger(KVAP::NRO_REGISTRO, 55);
    e.setInteger(KVAP::COD_MATERIA, 7);
    e.setInteger(KVAP::COD_CURSO, 1);
    e.setInteger(KVAP::COD_DOCENTE, 5);
    e.setInteger(KVAP::NRO_ORDEN, 4);
    e.setText(KVAP::MATERIAS, QStringLiteral("Matemática I"));
    e.setText(KVAP::DOCENTE, QStringLiteral("GÓMEZ, LUIS"));
    e.setText(KVAP::CONTENIDO_PRIORIZADO, QStringLiteral("Fracciones"));
    const QString learning = QStringLiteral("Compara\u00A0fracciones:\nmedios y cuartos.");
    e.setMemo(KVAP::APRENDIZAJE_TRABAJO, learning);
    ASSERT_EQ(app.dict.kvaprende.access.insert(), Status::Ok);
    ask(ChangeRecord, app.dict.kvaprende.access.position());

    EXPECT_EQ(
        runForm([](ContentForm& f) { QTest::mouseClick(f.okButton(), Qt::LeftButton); }), RequestCompleted);
    const Record stored = entries().front();
    EXPECT_EQ(stored.integer(KVAP::NRO_REGISTRO), 55);
    EXPECT_EQ(stored.integer(KVAP::NRO_ORDEN), 4);
    EXPECT_EQ(stored.integer(KVAP::COD_CURSO), 3);
    EXPECT_EQ(stored.integer(KVAP::COD_DOCENTE), 77);
    EXPECT_EQ(stored.text(KVAP::MATERIAS), QStringLiteral("Matemática"));
    EXPECT_EQ(stored.text(KVAP::DOCENTE), QStringLiteral("PÉREZ, ANA"));
    EXPECT_EQ(stored.text(KVAP::CONTENIDO_PRIORIZADO), QStringLiteral("Fracciones"));
    EXPECT_EQ(stored.memo(KVAP::APRENDIZAJE_TRABAJO), learning); // line break and hard space kept
    EXPECT_EQ(recorder.titles(), Titles {});
}

TEST_F(ContentFormTest, AFailedInsertIsReportedAndTheFormStaysOpen)
{
    storeEntry(7, QStringLiteral("Decimales"));
    refuseInKvaprende("INSERT");
    askInsert();
    const std::uint8_t response = runForm([&](ContentForm& f) {
        typeText(f.contentEntry(), QStringLiteral("Fracciones"));
        QTest::keyClick(f.contentEntry(), Qt::Key_Tab);
        QTest::mouseClick(f.okButton(), Qt::LeftButton);
        EXPECT_EQ(recorder.titles(), Titles {QStringLiteral("Record Insert Error")});
        EXPECT_TRUE(f.isVisible());
        EXPECT_EQ(QApplication::focusWidget(), f.contentEntry());
        QTest::mouseClick(f.cancelButton(), Qt::LeftButton);
    });
    EXPECT_EQ(response, RequestCancelled);
    EXPECT_EQ(entries().size(), 1u);
}

TEST_F(ContentFormTest, AChangeThatMeetsAnotherStationsChangeShowsItAndCtrlHBringsTheContentBack)
{
    const std::int64_t position = storeEntry(7, QStringLiteral("Fracciones"));
    ask(ChangeRecord, position);
    const std::uint8_t response = runForm([&](ContentForm& f) {
        f.contentEntry()->selectAll();
        typeText(f.contentEntry(), QStringLiteral("Fracciones equivalentes"));

        // Meanwhile another program changes the same entry.
        test::RecordedErrors otherErrors;
        Dictionary other(otherErrors.errors, folder.path());
        ASSERT_EQ(other.kvaprende.access.reget(position), Status::Ok);
        other.kvaprende.buffer.setText(KVAP::CONTENIDO_PRIORIZADO, QStringLiteral("Fracciones y decimales"));
        other.kvaprende.buffer.setMemo(KVAP::APRENDIZAJE_TRABAJO, QStringLiteral("Lo que escribió otro."));
        ASSERT_EQ(other.kvaprende.access.update(), Status::Ok);

        QTest::mouseClick(f.okButton(), Qt::LeftButton);
        EXPECT_EQ(recorder.titles(), Titles {QStringLiteral("Record Was Not Updated")});
        ASSERT_TRUE(f.isVisible());
        EXPECT_EQ(f.contentEntry()->text(), QStringLiteral("Fracciones y decimales"));
        EXPECT_EQ(f.learningText()->toPlainText(), QStringLiteral("Lo que escribió otro."));
        EXPECT_EQ(QApplication::focusWidget(), f.contentEntry());
        recallInto(f.contentEntry());
        EXPECT_EQ(f.contentEntry()->text(), QStringLiteral("Fracciones equivalentes"));
        QTest::mouseClick(f.okButton(), Qt::LeftButton);
    });
    EXPECT_EQ(response, RequestCompleted);
    const Record stored = entries().front();
    EXPECT_EQ(stored.text(KVAP::CONTENIDO_PRIORIZADO), QStringLiteral("Fracciones equivalentes"));
    EXPECT_EQ(stored.memo(KVAP::APRENDIZAJE_TRABAJO), QStringLiteral("Lo que escribió otro."));
    EXPECT_EQ(recorder.titles().size(), 1u);
}

TEST_F(ContentFormTest, AChangeToAnEntryAnotherStationDeletedIsNotWrittenBack)
{
    const std::int64_t position = storeEntry(7, QStringLiteral("Fracciones"));
    storeEntry(7, QStringLiteral("Decimales"));
    ask(ChangeRecord, position);
    const std::uint8_t response = runForm([&](ContentForm& f) {
        typeText(f.contentEntry(), QStringLiteral(" comunes"));
        test::RecordedErrors otherErrors;
        Dictionary other(otherErrors.errors, folder.path());
        ASSERT_EQ(other.kvaprende.access.reget(position), Status::Ok);
        ASSERT_EQ(other.kvaprende.access.deleteRecord(), Status::Ok);
        QTest::mouseClick(f.okButton(), Qt::LeftButton);
    });
    EXPECT_EQ(response, RequestCancelled);
    EXPECT_EQ(recorder.titles(), Titles {QStringLiteral("Record Retrieval Error")});
    ASSERT_EQ(entries().size(), 1u);
    EXPECT_EQ(entries().front().text(KVAP::CONTENIDO_PRIORIZADO), QStringLiteral("Decimales"));
}

TEST_F(ContentFormTest, AFailedChangeAsksWhetherToSaveAgain)
{
    const QString notice = QStringLiteral("Record was not updated");
    const QString question = QStringLiteral("Record Update Error");
    struct {
        const char* name;
        std::vector<Answer> answers; // the notices are answered "OK"
        Titles titles;
        bool stillOpen; // "Cancel": back to the content entry
    } const cases[] = {
        {"No", {Answer::Ok, Answer::No}, {notice, question}, false},
        {"Cancel", {Answer::Ok, Answer::Cancel}, {notice, question}, true},
        {"YesThenNo", {Answer::Ok, Answer::Yes, Answer::Ok, Answer::No}, {notice, question, notice, question},
            false},
    };
    const std::int64_t position = storeEntry(7, QStringLiteral("Fracciones"));
    refuseInKvaprende("UPDATE");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        recorder.clear();
        recorder.answers.assign(c.answers.begin(), c.answers.end());
        ask(ChangeRecord, position);
        const std::uint8_t response = runForm([&](ContentForm& f) {
            typeText(f.contentEntry(), QStringLiteral(" comunes"));
            QTest::mouseClick(f.okButton(), Qt::LeftButton);
            EXPECT_EQ(f.isVisible(), c.stillOpen);
            if (c.stillOpen) {
                EXPECT_EQ(QApplication::focusWidget(), f.contentEntry());
            }
        });
        EXPECT_EQ(response, RequestCancelled);
        EXPECT_EQ(recorder.titles(), c.titles);
        EXPECT_EQ(entries().front().text(KVAP::CONTENIDO_PRIORIZADO), QStringLiteral("Fracciones"));
    }
}

TEST_F(ContentFormTest, DeleteRemovesTheEntryWithoutWindowOrQuestion)
{
    const std::int64_t first = storeEntry(7, QStringLiteral("Fracciones"));
    storeEntry(7, QStringLiteral("Decimales"));
    ask(DeleteRecord, first);
    app.errors.setProcedureName(QStringLiteral("ABM_CONTENIDOS"));

    bool windowShown = false;
    QObject guard; // a window would block: close it and say so
    QTimer::singleShot(0, &guard, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            windowShown = true;
            modal->close();
        }
    });
    runContentForm(app);

    EXPECT_FALSE(windowShown);
    EXPECT_EQ(app.globalResponse, RequestCompleted);
    EXPECT_EQ(app.globalRequest, 0);
    ASSERT_EQ(entries().size(), 1u);
    EXPECT_EQ(entries().front().text(KVAP::CONTENIDO_PRIORIZADO), QStringLiteral("Decimales"));
    EXPECT_EQ(recorder.titles(), Titles {});
    EXPECT_FALSE(app.ini.fetch(QStringLiteral("Cargar_Contenido"), false).has_value());
    EXPECT_EQ(app.errors.procedureName(), QStringLiteral("ABM_CONTENIDOS"));
    EXPECT_EQ(app.dict.kvaprende.relate.useCount(), 0);
}

TEST_F(ContentFormTest, AFailedDeleteIsTriedAgainForAsLongAsTheAnswerIsYes)
{
    const std::int64_t position = storeEntry(7, QStringLiteral("Fracciones"));
    refuseInKvaprende("DELETE");
    recorder.answers = {Answer::Ok, Answer::Yes, Answer::Ok, Answer::No};
    ask(DeleteRecord, position);
    runContentForm(app);

    const QString notice = QStringLiteral("Record was not deleted");
    const QString question = QStringLiteral("Record Delete Error");
    EXPECT_EQ(recorder.titles(), (Titles {notice, question, notice, question}));
    EXPECT_EQ(app.globalResponse, RequestCancelled);
    EXPECT_EQ(entries().size(), 1u);
}

TEST_F(ContentFormTest, FieldsRefuseWhatCannotBeStoredAndSayWhy)
{
    const QString content255(255, QLatin1Char('c'));
    const QString learning1000 = QString(998, QLatin1Char('a')) + QStringLiteral("€…"); // in Windows-1252
    askInsert();
    const std::uint8_t response = runForm([&](ContentForm& f) {
        auto setContent = [&](const QString& t) { f.contentEntry()->setText(t); };
        auto setLearning = [&](const QString& t) { f.learningText()->setPlainText(t); };
        auto content = [&] { return f.contentEntry()->text(); };
        auto learning = [&] { return f.learningText()->toPlainText(); };
        struct {
            const char* name;
            std::function<void(const QString&)> set;
            std::function<QString()> get;
            QWidget* field;
            QString before;
            QString entered;
            bool pasted;
            const char* reason; // part of the reason shown
        } const refusals[] = {
            {"content too long", setContent, content, f.contentEntry(), content255, "x", false, "255"},
            {"content character", setContent, content, f.contentEntry(), "Fracciones", "中", false, "«中»"},
            {"content pasted with a foreign character", setContent, content, f.contentEntry(), "Fracciones",
                " y más 中 texto", true, "«中»"},
            {"learning too long", setLearning, learning, f.learningText(), learning1000, "x", false, "1000"},
            {"learning character", setLearning, learning, f.learningText(), "Lee", "😀", false, "«😀»"},
            {"learning pasted with a foreign character", setLearning, learning, f.learningText(), "Lee",
                " cuentos ✓ breves", true, "«✓»"},
        };
        for (const auto& r : refusals) {
            SCOPED_TRACE(r.name);
            r.set(r.before);
            r.field->setFocus();
            QSignalSpy refused(&f, &ContentForm::inputRefused);
            if (r.pasted) {
                QApplication::clipboard()->setText(r.entered);
                QTest::keyClick(r.field, Qt::Key_V, Qt::ControlModifier);
            } else {
                typeText(r.field, r.entered);
            }
            EXPECT_EQ(r.get(), r.before); // refused whole, never cut
            ASSERT_EQ(refused.count(), 1);
            const QString why = refused.front().front().toString();
            EXPECT_TRUE(why.contains(QString::fromUtf8(r.reason))) << qPrintable(why);
        }
        // Up to the limits, all is taken.
        setContent(content255);
        setLearning(learning1000);
        QTest::mouseClick(f.okButton(), Qt::LeftButton);
    });
    EXPECT_EQ(response, RequestCompleted);
    const Record stored = entries().front();
    EXPECT_EQ(stored.text(KVAP::CONTENIDO_PRIORIZADO), content255);
    EXPECT_EQ(stored.memo(KVAP::APRENDIZAJE_TRABAJO), learning1000);
}

TEST_F(ContentFormTest, WindowFollowsItsLayout)
{
    askInsert();
    runForm([](ContentForm& f) {
        EXPECT_EQ(f.windowTitle(), QStringLiteral("Actualización Aprendizajes ..."));
        const DialogUnits du(f.font());
        EXPECT_EQ(f.size(), du.toPixels(0, 0, 440, 120).size());
        EXPECT_EQ(f.palette().color(QPalette::Window), QColor(230, 230, 230));
        EXPECT_FALSE(f.windowFlags() & Qt::WindowMaximizeButtonHint);
        struct {
            QWidget* w;
            QRect units;
        } const placed[] = {
            {f.contentEntry(), {136, 8, 300, 12}},
            {f.learningText(), {136, 24, 300, 56}},
            {f.okButton(), {244, 92, 92, 24}},
            {f.cancelButton(), {344, 92, 92, 24}},
        };
        for (const auto& p : placed) {
            EXPECT_EQ(
                p.w->geometry(), du.toPixels(p.units.x(), p.units.y(), p.units.width(), p.units.height()))
                << qPrintable(p.w->objectName());
        }
        EXPECT_EQ(f.contentPrompt()->pos(), du.toPixels(8, 8, 0, 0).topLeft());
        EXPECT_EQ(f.learningPrompt()->pos(), du.toPixels(8, 24, 0, 0).topLeft());
        EXPECT_TRUE(f.contentPrompt()->font().bold());
        EXPECT_EQ(f.okButton()->text(), QStringLiteral("Aceptar"));
        EXPECT_EQ(f.cancelButton()->text(), QStringLiteral("Cancelar"));
        // Tab order: content, learning, Aceptar, Cancelar.
        EXPECT_EQ(QApplication::focusWidget(), f.contentEntry());
        for (QWidget* next : {static_cast<QWidget*>(f.learningText()), static_cast<QWidget*>(f.okButton()),
                 static_cast<QWidget*>(f.cancelButton())}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            EXPECT_EQ(QApplication::focusWidget(), next);
        }
    });
}

} // namespace
} // namespace kv

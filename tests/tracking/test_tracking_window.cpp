// The tracking window over real files: the lists follow the highlighted
// subject and student, marks are typed in place with their rules.

#include "data/files/kvaluap.h"
#include "data/files/kvaprende.h"
#include "data/files/kvlibreta.h"
#include "data/files/kvmaterias.h"
#include "data/files/kvseguir.h"
#include "data/sqlite_db.h"
#include "shell/browse_list.h"
#include "shell/edit_in_place.h"
#include "shell/text_rules.h"
#include "tests/support/gui_support.h"
#include "tests/support/test_support.h"
#include "tracking/tracking_window.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTableView>
#include <gtest/gtest.h>

namespace kv {
namespace {

constexpr int kTeacher = 100;

class TrackingTest : public ::testing::Test {
protected:
    TrackingTest()
    {
        app.errors.setPresenter(&recorder);
        // Teacher 100: two subjects of course 10 and one of course 20 (no students).
        addSubject(1, QStringLiteral("Matemática"), 10, kTeacher);
        addSubject(99, QStringLiteral("Otra docente"), 10, 555);
        addSubject(2, QStringLiteral("Lengua"), 10, kTeacher);
        addSubject(3, QStringLiteral("Música"), 20, kTeacher);
        addStudent(11, QStringLiteral("BENÍTEZ, Ana"), 10);
        addStudent(12, QStringLiteral("acosta, Luis"), 10);
        addGrade(11, QStringLiteral("BENÍTEZ, Ana"), 1, QString(), QStringLiteral("mb"));
        addGrade(12, QStringLiteral("acosta, Luis"), 1, QStringLiteral("R"), QString());
        addGrade(11, QStringLiteral("BENÍTEZ, Ana"), 2, QString(), QString());
        // Ana (listed second: "acosta" sorts first, capitals and small letters alike).
        addTracking(11, 1, 1, QStringLiteral("Números"), QStringLiteral("X"));
        addTracking(11, 1, 2, QStringLiteral("Fracciones"), QString());
        addTracking(11, 2, 1, QStringLiteral("Lectura"), QString());
        addTracking(12, 1, 1, QStringLiteral("Números"), QString());
        // Logged in as the teacher: the login leaves the first subject in the buffer.
        Record& m = app.dict.kvmaterias.buffer;
        m.setInteger(KVM::DNI_DOCENTE, kTeacher);
        app.dict.kvmaterias.access.fetch(KVM::CLAVE_DNI_PROFESOR);
        app.auxiliarDocente = QStringLiteral("DOCENTE, Prueba");
    }

    void addSubject(int code, const QString& name, int course, int dni)
    {
        Record& m = app.dict.kvmaterias.buffer;
        m.clear();
        m.setInteger(KVM::NRO_REGISTRO, code);
        m.setText(KVM::MATERIA, name);
        m.setInteger(KVM::COD_CURSO, course);
        m.setInteger(KVM::DNI_DOCENTE, dni);
        ASSERT_EQ(app.dict.kvmaterias.access.insert(), Status::Ok);
    }
    void addStudent(int legajo, const QString& name, int course)
    {
        Record& a = app.dict.kvaluap.buffer;
        a.clear();
        a.setInteger(KVA::LEGAJO, legajo);
        a.setText(KVA::APELLIDO_NOMBRE, name);
        a.setInteger(KVA::COD_CURSO, course);
        ASSERT_EQ(app.dict.kvaluap.access.insert(), Status::Ok);
    }
    void addGrade(int legajo, const QString& name, int subject, const QString& final1, const QString& anual)
    {
        Record& l = app.dict.kvlibreta.buffer;
        l.clear();
        l.setInteger(KVL::NRO_LEGAJO, legajo);
        l.setText(KVL::ALUMNO, name);
        l.setInteger(KVL::COD_MATERIA, subject);
        l.setText(KVL::FINAL1, final1);
        l.setText(KVL::FINALANUAL, anual);
        l.setText(KVL::OBSERVACION15, QStringLiteral("kept"));
        ASSERT_EQ(app.dict.kvlibreta.access.insert(), Status::Ok);
    }
    void addTracking(int legajo, int subject, int order, const QString& content, const QString& logrado)
    {
        Record& g = app.dict.kvseguir.buffer;
        g.clear();
        g.setInteger(KVG::NRO_LEGAJO, legajo);
        g.setInteger(KVG::COD_MATERIA, subject);
        g.setInteger(KVG::NRO_ORDEN, order);
        g.setText(KVG::CONTENIDO_PRIORIZADO, content);
        g.setText(KVG::LOGRADO, logrado);
        ASSERT_EQ(app.dict.kvseguir.access.insert(), Status::Ok);
    }

    // What the file holds for a tracking row, read through a second connection.
    Record storedTracking(int legajo, int subject, int order)
    {
        Dictionary other(recordedElsewhere.errors, folder.path());
        Record& g = other.kvseguir.buffer;
        g.setInteger(KVG::NRO_LEGAJO, legajo);
        g.setInteger(KVG::NRO_ORDEN, order);
        g.setInteger(KVG::COD_MATERIA, subject);
        EXPECT_EQ(other.kvseguir.access.fetch(KVG::CLAVE_LEGAJO_ORDEN_MATERIA), Status::Ok);
        return g;
    }
    Record storedGrade(int legajo, int subject)
    {
        Dictionary other(recordedElsewhere.errors, folder.path());
        Record& l = other.kvlibreta.buffer;
        l.setInteger(KVL::NRO_LEGAJO, legajo);
        l.setInteger(KVL::COD_MATERIA, subject);
        EXPECT_EQ(other.kvlibreta.access.fetch(KVL::CLAVE_MATERIA_LEGAJOS), Status::Ok);
        return l;
    }

    QStringList column(BrowseList& list, int column)
    {
        QStringList out;
        for (int r = 0; r < list.rowCount(); ++r) {
            out << list.model().data(list.model().index(r, column), Qt::DisplayRole).toString();
        }
        return out;
    }

    void doubleClickCell(QTableView* view, int row, int col)
    {
        const QPoint p = view->visualRect(view->model()->index(row, col)).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, p);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, p);
    }

    void contentsTab(TrackingWindow& w, int studentRow)
    {
        w.tabs()->setCurrentIndex(1);
        w.students().setCurrentRow(studentRow);
    }

    test::TempFolder folder;
    test::RecordingPresenter recorder;
    test::RecordedErrors recordedElsewhere;
    AppState app {folder.path()};
};

TEST_F(TrackingTest, SubjectsOfTheTeacherAndListsFollowTheHighlightedSubject)
{
    TrackingWindow w(app);
    test::runWindow(w, [&] {
        EXPECT_EQ(w.windowTitle(), QStringLiteral("MIRADEL - Nivel Divodade 2025"));
        EXPECT_EQ(column(w.subjects(), 0), (QStringList {"Matemática", "Lengua", "Música"}));
        EXPECT_EQ(column(w.grades(), 1), (QStringList {"BENÍTEZ, Ana", "acosta, Luis"}));
        EXPECT_EQ(column(w.students(), 0), (QStringList {"acosta, Luis", "BENÍTEZ, Ana"}));
        contentsTab(w, 1);
        EXPECT_EQ(column(w.tracking(), 0), (QStringList {"Números", "Fracciones"}));

        // Same course: the same students, other grade book and other tracking rows.
        w.subjectList()->setCurrentIndex(1);
        EXPECT_EQ(w.subjectName()->text(), QStringLiteral("Lengua"));
        EXPECT_EQ(column(w.grades(), 1), (QStringList {"BENÍTEZ, Ana"}));
        EXPECT_EQ(column(w.students(), 0), (QStringList {"acosta, Luis", "BENÍTEZ, Ana"}));
        EXPECT_EQ(column(w.tracking(), 0), (QStringList {"Lectura"}));
        EXPECT_TRUE(w.editTracking()->isEnabled());

        // A course without students: empty lists, cleared buffer, disabled commands.
        w.subjectList()->setCurrentIndex(2);
        EXPECT_EQ(w.students().rowCount(), 0);
        EXPECT_EQ(app.dict.kvaluap.buffer.integer(KVA::LEGAJO), 0);
        EXPECT_EQ(w.tracking().rowCount(), 0);
        EXPECT_EQ(w.grades().rowCount(), 0);
        EXPECT_FALSE(w.editTracking()->isEnabled());
        EXPECT_FALSE(w.editGrades()->isEnabled());
    });
    EXPECT_TRUE(recorder.messages.empty());
}

TEST_F(TrackingTest, GradeMarksAreStoredInCapitalsAndOnlyWhenChanged)
{
    TrackingWindow w(app);
    test::runWindow(w, [&] {
        // "b" into ETAPA 1 of a row whose ANUAL holds "mb".
        doubleClickCell(w.gradeBook(), 0, 2);
        ASSERT_TRUE(w.gradeEditor().isEditing());
        test::typeIntoFocus(QStringLiteral("b"));
        test::pressOnFocus(Qt::Key_Return);
        EXPECT_FALSE(w.gradeEditor().isEditing());
        EXPECT_EQ(w.grades().currentRow(), 0);

        // Four characters do not fit a mark.
        w.editGrades()->click();
        ASSERT_TRUE(w.gradeEditor().isEditing());
        test::typeIntoFocus(QStringLiteral("abcd"));
        EXPECT_EQ(w.gradeEditor().editor()->text(), QStringLiteral("abc"));
        test::pressOnFocus(Qt::Key_Escape); // abandoned: nothing written
    });
    const Record ana = storedGrade(11, 1);
    EXPECT_EQ(ana.text(KVL::FINAL1), QStringLiteral("B"));
    EXPECT_EQ(ana.text(KVL::FINALANUAL), QStringLiteral("MB"));
    EXPECT_EQ(ana.text(KVL::OBSERVACION15), QStringLiteral("kept"));
}

TEST_F(TrackingTest, NothingIsWrittenWhenARowIsLeftUnchangedOrAbandoned)
{
    // Another connection sees every commit to the grade book as a new data version.
    sqlite3* raw = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(app.dict.kvlibreta.access.path()).constData(), &raw), SQLITE_OK);
    sql::Database watcher(raw);
    auto version = [&watcher] {
        sql::StatementUse use(*watcher.cached("PRAGMA data_version"));
        use->step();
        return use->columnInt(0);
    };
    TrackingWindow w(app);
    test::runWindow(w, [&] {
        w.grades().setCurrentRow(1);
        const auto before = version();
        w.editGrades()->click();
        test::pressOnFocus(Qt::Key_Return); // "R" stays "R": no change
        w.editGrades()->click();
        test::typeIntoFocus(QStringLiteral("mb"));
        test::pressOnFocus(Qt::Key_Escape);
        EXPECT_EQ(version(), before);

        // A change meets another program's write made while the row was open:
        // reported, and the other program's data is not overwritten.
        w.editGrades()->click();
        {
            Dictionary other(recordedElsewhere.errors, folder.path());
            other.kvlibreta.buffer.setInteger(KVL::NRO_LEGAJO, 12);
            other.kvlibreta.buffer.setInteger(KVL::COD_MATERIA, 1);
            ASSERT_EQ(other.kvlibreta.access.fetch(KVL::CLAVE_MATERIA_LEGAJOS), Status::Ok);
            other.kvlibreta.buffer.setText(KVL::SEXO, QStringLiteral("M"));
            ASSERT_EQ(other.kvlibreta.access.update(), Status::Ok);
        }
        test::typeIntoFocus(QStringLiteral("s"));
        test::pressOnFocus(Qt::Key_Return);
        // The list shows what the file holds now.
        EXPECT_EQ(w.grades().model().record(1).text(KVL::SEXO), QStringLiteral("M"));
    });
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(recorder.messages[0].title, QStringLiteral("Record Retrieval Error"));
    const Record luis = storedGrade(12, 1);
    EXPECT_EQ(luis.text(KVL::FINAL1), QStringLiteral("R"));
    EXPECT_EQ(luis.text(KVL::SEXO), QStringLiteral("M"));
}

TEST_F(TrackingTest, AnXInOneMarkPutsDashesInTheOtherThree)
{
    TrackingWindow w(app);
    test::runWindow(w, [&] {
        contentsTab(w, 1);
        // "x" in PENDIENTE of the row whose LOGRADO holds "X".
        doubleClickCell(w.trackingList(), 0, 3);
        ASSERT_TRUE(w.trackingEditor().isEditing());
        EXPECT_EQ(w.trackingEditor().editedColumn(), 3);
        test::typeIntoFocus(QStringLiteral("x"));
        test::pressOnFocus(Qt::Key_Return);
    });
    Record g = storedTracking(11, 1, 1);
    EXPECT_EQ(g.text(KVG::PENDIENTE), QStringLiteral("X"));
    EXPECT_EQ(g.text(KVG::LOGRADO), QStringLiteral("-"));
    EXPECT_EQ(g.text(KVG::ENPROCESO), QStringLiteral("-"));
    EXPECT_EQ(g.text(KVG::PPI), QStringLiteral("-"));

    // A "-" over the X leaves no X and the others as they were.
    TrackingWindow again(app);
    test::runWindow(again, [&] {
        contentsTab(again, 1);
        doubleClickCell(again.trackingList(), 0, 3);
        test::typeIntoFocus(QStringLiteral("-"));
        test::pressOnFocus(Qt::Key_Return);
    });
    g = storedTracking(11, 1, 1);
    EXPECT_EQ(g.text(KVG::PENDIENTE), QStringLiteral("-"));
    EXPECT_EQ(g.text(KVG::LOGRADO), QStringLiteral("-"));
}

TEST_F(TrackingTest, EnteringAnXCellAndLeavingWithTabMarksTheOthers)
{
    TrackingWindow w(app);
    test::runWindow(w, [&] {
        contentsTab(w, 1);
        w.tracking().setCurrentRow(0);
        w.editTracking()->click(); // starts in LOGRADO, which holds "X"
        EXPECT_EQ(w.trackingEditor().editedColumn(), 2);
        test::pressOnFocus(Qt::Key_Tab);
        EXPECT_EQ(w.trackingEditor().editedColumn(), 3);
        test::pressOnFocus(Qt::Key_Return);
    });
    const Record g = storedTracking(11, 1, 1);
    EXPECT_EQ(g.text(KVG::LOGRADO), QStringLiteral("X"));
    EXPECT_EQ(g.text(KVG::PENDIENTE), QStringLiteral("-"));
    EXPECT_EQ(g.text(KVG::PPI), QStringLiteral("-"));
}

TEST_F(TrackingTest, KeysMoveAsEachListSays)
{
    TrackingWindow w(app);
    test::runWindow(w, [&] {
        // Grade book: Tab in ANUAL ends editing; Down goes on in the next row, same column.
        w.editGrades()->click();
        test::pressOnFocus(Qt::Key_Tab);
        test::pressOnFocus(Qt::Key_Tab);
        EXPECT_EQ(w.gradeEditor().editedColumn(), 4);
        test::pressOnFocus(Qt::Key_Backtab);
        EXPECT_EQ(w.gradeEditor().editedColumn(), 3);
        test::pressOnFocus(Qt::Key_Down);
        EXPECT_TRUE(w.gradeEditor().isEditing());
        EXPECT_EQ(w.grades().currentRow(), 1);
        EXPECT_EQ(w.gradeEditor().editedColumn(), 3);
        test::pressOnFocus(Qt::Key_Tab);
        test::pressOnFocus(Qt::Key_Tab);
        EXPECT_FALSE(w.gradeEditor().isEditing());

        // Tracking rows: Tab in OBSPPI goes on in the next row's first mark.
        contentsTab(w, 1);
        w.tracking().setCurrentRow(0);
        w.editTracking()->click();
        for (int i = 0; i < 4; ++i) {
            test::pressOnFocus(Qt::Key_Tab);
        }
        EXPECT_EQ(w.trackingEditor().editedColumn(), 6);
        test::pressOnFocus(Qt::Key_Tab);
        EXPECT_TRUE(w.trackingEditor().isEditing());
        EXPECT_EQ(w.tracking().currentRow(), 1);
        EXPECT_EQ(w.trackingEditor().editedColumn(), 2);
        test::pressOnFocus(Qt::Key_Up);
        EXPECT_EQ(w.tracking().currentRow(), 0);
        EXPECT_EQ(w.trackingEditor().editedColumn(), 2);
        test::pressOnFocus(Qt::Key_Escape);
        EXPECT_FALSE(w.trackingEditor().isEditing());
        // Esc never closes the window.
        QTest::keyClick(&w, Qt::Key_Escape);
        EXPECT_TRUE(w.isVisible());
    });
}

TEST_F(TrackingTest, ThePpiObservationBoxFollowsTheHighlightedRow)
{
    TrackingWindow w(app);
    test::runWindow(w, [&] {
        contentsTab(w, 1);
        EXPECT_TRUE(w.observationBox()->isHidden());
        w.tracking().setCurrentRow(1);
        w.editTracking()->click();
        for (int i = 0; i < 3; ++i) {
            test::pressOnFocus(Qt::Key_Tab);
        }
        EXPECT_EQ(w.trackingEditor().editedColumn(), 5);
        test::typeIntoFocus(QStringLiteral("x"));
        test::pressOnFocus(Qt::Key_Return);
        EXPECT_FALSE(w.observationBox()->isHidden());
        EXPECT_FALSE(w.storeObservation()->isHidden());

        w.observationBox()->setPlainText(QString(1200, QLatin1Char('o')));
        w.storeObservation()->click();
        w.tracking().setCurrentRow(0);
        EXPECT_TRUE(w.observationBox()->isHidden());
    });
    const Record g = storedTracking(11, 1, 2);
    EXPECT_EQ(g.text(KVG::PPI), QStringLiteral("X"));
    EXPECT_EQ(g.memo(KVG::OBSPPI), QString(1000, QLatin1Char('o')));
}

TEST_F(TrackingTest, SalirClosesAndAPendingEditIsSaved)
{
    TrackingWindow w(app);
    test::runWindow(w, [&] {
        w.editGrades()->click();
        test::typeIntoFocus(QStringLiteral("e"));
        w.exitButton()->click();
        EXPECT_FALSE(w.isVisible());
    });
    EXPECT_EQ(storedGrade(11, 1).text(KVL::FINAL1), QStringLiteral("E"));
    EXPECT_EQ(app.globalResponse, RequestCancelled);
    EXPECT_EQ(app.dict.kvseguir.relate.useCount(), 0);
}

TEST_F(TrackingTest, ContenidosRunsTheCatalogueThenGivesEveryStudentTheNewRows)
{
    // The catalogue window, as a stand-in: the teacher adds one entry.
    app.procedures.contentList = [](AppState& a) {
        Record& e = a.dict.kvaprende.buffer;
        e.clear();
        e.setInteger(KVAP::COD_MATERIA, a.dict.kvmaterias.buffer.integer(KVM::NRO_REGISTRO));
        e.setInteger(KVAP::NRO_ORDEN, 5);
        e.setText(KVAP::CONTENIDO_PRIORIZADO, QStringLiteral("Geometría"));
        a.dict.kvaprende.access.insert();
    };
    TrackingWindow w(app);
    test::runWindow(w, [&] {
        contentsTab(w, 1);
        const QString student = w.students().model().record(1).text(KVA::APELLIDO_NOMBRE);
        w.contentsButton()->click();
        // Shown at once, the same student still highlighted. The rows that had
        // no catalogue entry are gone.
        EXPECT_EQ(w.students().currentRow(), 1);
        EXPECT_EQ(w.students().model().record(1).text(KVA::APELLIDO_NOMBRE), student);
        EXPECT_EQ(column(w.tracking(), 0), (QStringList {"Geometría"}));
    });
    EXPECT_TRUE(recorder.messages.empty());
    const Record luis = storedTracking(12, 1, 5);
    EXPECT_EQ(luis.text(KVG::CONTENIDO_PRIORIZADO), QStringLiteral("Geometría"));
    EXPECT_EQ(luis.text(KVG::LOGRADO), QString());
}

TEST_F(TrackingTest, PlanillaSavesTheRowBeingEditedAndFindsTheSubjectInTheBuffers)
{
    int printedSubject = -1;
    QString printedMark;
    app.procedures.contentsSheet = [&](AppState& a) {
        printedSubject = a.dict.kvseguir.buffer.integer(KVG::COD_MATERIA);
        printedMark = storedTracking(11, 1, 2).text(KVG::ENPROCESO);
    };
    TrackingWindow w(app);
    test::runWindow(w, [&] {
        contentsTab(w, 1);
        w.tracking().setCurrentRow(1);
        w.editTracking()->click();
        test::pressOnFocus(Qt::Key_Tab);
        test::pressOnFocus(Qt::Key_Tab);
        test::typeIntoFocus(QStringLiteral("x"));
        w.contentsPrint()->click();
        EXPECT_FALSE(w.trackingEditor().isEditing());
    });
    EXPECT_EQ(printedSubject, 1);
    EXPECT_EQ(printedMark, QStringLiteral("X"));
}

} // namespace
} // namespace kv

// The catalogue list of a subject, with a stand-in for the content form that
// follows the same request/response protocol.

#include "catalogue/content_list_window.h"
#include "data/files/kvaprende.h"
#include "data/files/kvmaterias.h"
#include "shell/browse_list.h"
#include "tests/support/gui_support.h"
#include "tests/support/test_support.h"

#include <QPushButton>
#include <QTableView>
#include <gtest/gtest.h>

namespace kv {
namespace {

class ContentListTest : public ::testing::Test {
protected:
    ContentListTest()
    {
        app.errors.setPresenter(&recorder);
        Record& m = app.dict.kvmaterias.buffer;
        m.setInteger(KVM::NRO_REGISTRO, 7);
        m.setText(KVM::MATERIA, QStringLiteral("Ciencias Naturales"));
        app.procedures.contentForm = [this](AppState& a) { standInForm(a); };
    }

    void addEntry(int subject, int order, const QString& content)
    {
        Record& e = app.dict.kvaprende.buffer;
        e.clear();
        e.setInteger(KVAP::COD_MATERIA, subject);
        e.setInteger(KVAP::NRO_ORDEN, order);
        e.setText(KVAP::CONTENIDO_PRIORIZADO, content);
        ASSERT_EQ(app.dict.kvaprende.access.insert(), Status::Ok);
    }

    // Does what the form does for each request, without a window.
    void standInForm(AppState& a)
    {
        requests.push_back(a.globalRequest);
        const std::uint8_t request = a.globalRequest;
        a.globalRequest = 0;
        Record& e = a.dict.kvaprende.buffer;
        Status s = Status::Ok;
        if (request == InsertRecord) {
            e.setInteger(KVAP::COD_MATERIA, 7);
            e.setInteger(
                KVAP::NRO_ORDEN, static_cast<std::int32_t>(a.dict.kvaprende.access.recordCount() + 1));
            e.setText(KVAP::CONTENIDO_PRIORIZADO, nextContent);
            s = a.dict.kvaprende.access.insert();
        } else if (request == ChangeRecord) {
            e.setText(KVAP::CONTENIDO_PRIORIZADO, nextContent);
            s = a.dict.kvaprende.access.update();
        } else if (request == DeleteRecord) {
            s = a.dict.kvaprende.access.deleteRecord();
        }
        a.globalResponse = s == Status::Ok ? RequestCompleted : RequestCancelled;
    }

    QStringList shown(ContentListWindow& w)
    {
        QStringList out;
        BrowseList& l = w.list();
        for (int r = 0; r < l.rowCount(); ++r) {
            out << l.model().record(r).text(KVAP::CONTENIDO_PRIORIZADO);
        }
        return out;
    }

    test::TempFolder folder;
    test::RecordingPresenter recorder;
    AppState app {folder.path()};
    std::vector<int> requests;
    QString nextContent = QStringLiteral("Nuevo");
};

TEST_F(ContentListTest, AnEmptyCatalogueOffersOnlyAdding)
{
    addEntry(8, 1, QStringLiteral("De otra materia"));
    ContentListWindow w(app);
    test::runWindow(w, [&] {
        EXPECT_EQ(w.windowTitle(), QStringLiteral("Caption"));
        EXPECT_EQ(w.list().rowCount(), 0);
        EXPECT_FALSE(w.changeButton()->isEnabled());
        EXPECT_FALSE(w.deleteButton()->isEnabled());
        EXPECT_TRUE(w.addButton()->isEnabled());
        w.listView()->setFocus();
        QTest::keyClick(w.listView(), Qt::Key_Insert);
        EXPECT_EQ(shown(w), (QStringList {"Nuevo"}));
        EXPECT_EQ(w.list().currentRow(), 0);
        EXPECT_TRUE(w.changeButton()->isEnabled());
        w.exitButton()->click();
    });
    EXPECT_EQ(requests, (std::vector<int> {InsertRecord}));
    EXPECT_EQ(app.globalResponse, RequestCancelled);
}

TEST_F(ContentListTest, OnlyTheSubjectsEntriesInOrderNumberOrder)
{
    addEntry(7, 3, QStringLiteral("C"));
    addEntry(8, 2, QStringLiteral("otra"));
    addEntry(7, 1, QStringLiteral("A"));
    addEntry(7, 3, QStringLiteral("C bis")); // the same order number: both listed, side by side
    addEntry(9, 3, QStringLiteral("otra más"));
    ContentListWindow w(app);
    test::runWindow(w, [&] { EXPECT_EQ(shown(w), (QStringList {"A", "C", "C bis"})); });
}

TEST_F(ContentListTest, ChangesAndDeletesGoThroughTheFormAndTheListFollows)
{
    addEntry(7, 1, QStringLiteral("A"));
    addEntry(7, 2, QStringLiteral("B"));
    addEntry(7, 3, QStringLiteral("C"));
    ContentListWindow w(app);
    test::runWindow(w, [&] {
        // A new entry is listed and highlighted at its place (last here).
        nextContent = QStringLiteral("D");
        w.addButton()->click();
        EXPECT_EQ(shown(w), (QStringList {"A", "B", "C", "D"}));
        EXPECT_EQ(w.list().currentRow(), 3);

        w.list().setCurrentRow(1);
        nextContent = QStringLiteral("B cambiado");
        w.changeButton()->click();
        EXPECT_EQ(shown(w), (QStringList {"A", "B cambiado", "C", "D"}));
        EXPECT_EQ(w.list().currentRow(), 1);

        // Deleted at once, no question; the list closes up around the gap.
        w.listView()->setFocus();
        QTest::keyClick(w.listView(), Qt::Key_Delete);
        EXPECT_EQ(shown(w), (QStringList {"A", "C", "D"}));
        EXPECT_EQ(w.list().currentRow(), 1);
    });
    EXPECT_EQ(requests, (std::vector<int> {InsertRecord, ChangeRecord, DeleteRecord}));
    EXPECT_TRUE(recorder.messages.empty());
}

} // namespace
} // namespace kv

// The program's windows wired together on the demo school: the login opens
// the tracking window, whose buttons reach the catalogue and the sheets.

#include "app/admin/demo_school.h"
#include "app/procedures.h"
#include "catalogue/content_form.h"
#include "catalogue/content_list_window.h"
#include "data/files/kvmaterias.h"
#include "data/files/kvseguir.h"
#include "data/key_reader.h"
#include "shell/browse_list.h"
#include "shell/login_window.h"
#include "shell/text_rules.h"
#include "shell/typed_entry.h"
#include "tests/support/gui_support.h"
#include "tests/support/test_support.h"
#include "tracking/tracking_window.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <gtest/gtest.h>
#include <memory>

namespace kv {
namespace {

// The demo school with every procedure of the program installed.
class ProgramFlow : public ::testing::Test {
protected:
    void SetUp() override
    {
        admin::DemoSummary summary;
        QString error;
        ASSERT_TRUE(admin::createDemoSchool(folder.path(), &summary, &error)) << error.toStdString();
        state = std::make_unique<AppState>(folder.path());
        state->errors.setPresenter(&recorder);
        installProcedures(*state);
    }

    test::TempFolder folder;
    test::RecordingPresenter recorder;
    std::unique_ptr<AppState> state;
};

TEST_F(ProgramFlow, LoginOpensTheTrackingWindowAndSalirEndsBoth)
{
    AppState& app = *state;
    ASSERT_TRUE(app.procedures.trackingWindow && app.procedures.contentList && app.procedures.contentForm
        && app.procedures.progressSheet && app.procedures.contentsSheet);

    int subjectsShown = -1;
    QString title;
    LoginWindow login(app);
    test::runWindow(login, [&] {
        login.dniEntry()->setFocus();
        QTest::keyClicks(login.dniEntry(), QStringLiteral("20345678"));
        QTest::keyClick(login.dniEntry(), Qt::Key_Return);
        login.dateEntry()->setText(QStringLiteral("14/03/1968"));
        // Once the tracking window is up, look at it and leave with "Salir".
        QTimer::singleShot(0, [&] {
            auto* tracking = qobject_cast<TrackingWindow*>(QApplication::activeModalWidget());
            ASSERT_NE(tracking, nullptr);
            title = tracking->windowTitle();
            subjectsShown = tracking->subjects().rowCount();
            tracking->exitButton()->click();
        });
        login.acceptDate()->click();
        EXPECT_FALSE(login.isVisible());
    });
    EXPECT_EQ(title, QStringLiteral("MIRADEL - Nivel Divodade 2025"));
    EXPECT_EQ(subjectsShown, 3);
    EXPECT_TRUE(recorder.messages.empty());
    for (DataFile* f : app.dict.all()) {
        EXPECT_EQ(f->relate.useCount(), 0);
    }
}

// Runs `act` on the modal window of type W once it is up.
template <class W, class Act> void whenModal(Act act)
{
    QTimer::singleShot(0, [act] {
        auto* w = qobject_cast<W*>(QApplication::activeModalWidget());
        if (!w) {
            whenModal<W>(act);
            return;
        }
        act(*w);
    });
}

TEST_F(ProgramFlow, ANewCatalogueEntryGivesEveryStudentARow)
{
    AppState& app = *state;
    app.dict.kvmaterias.buffer.setInteger(KVM::DNI_DOCENTE, 20345678);
    ASSERT_EQ(app.dict.kvmaterias.access.fetch(KVM::CLAVE_DNI_PROFESOR), Status::Ok);

    TrackingWindow tracking(app);
    int studentsInCourse = 0;
    int rowsBefore = -1, rowsAfter = -1;
    test::runWindow(tracking, [&] {
        tracking.tabs()->setCurrentIndex(1);
        studentsInCourse = tracking.students().rowCount();
        rowsBefore = tracking.tracking().rowCount();
        // The catalogue: "&Agregar", the form filled in and accepted, then "Salir".
        whenModal<ContentListWindow>([&](ContentListWindow& list) {
            whenModal<ContentForm>([&](ContentForm& form) {
                form.contentEntry()->setText(QStringLiteral("Estadística: tablas y gráficos de barras"));
                form.learningText()->setStoredText(QStringLiteral("Lee e interpreta gráficos sencillos."));
                form.okButton()->click();
                QTimer::singleShot(0, [&list] { list.exitButton()->click(); });
            });
            list.addButton()->click();
        });
        tracking.contentsButton()->click();
        rowsAfter = tracking.tracking().rowCount();
    });
    EXPECT_TRUE(recorder.messages.empty());
    EXPECT_EQ(rowsAfter, rowsBefore + 1);

    // Every student of the course got the new row.
    int created = 0;
    KeyReader bySubject(app.dict.kvseguir.access, KVG::CLAVE_COD_MATERIA);
    Record probe(app.dict.kvseguir.buffer.def());
    probe.setInteger(KVG::COD_MATERIA, app.dict.kvmaterias.buffer.integer(KVM::NRO_REGISTRO));
    bySubject.setPrefixRange(probe, 1);
    bySubject.forEach([&](const KeyAnchor&, const Record& g) {
        created += g.text(KVG::CONTENIDO_PRIORIZADO)
            == QStringLiteral("Estadística: tablas y gráficos de barras");
        return true;
    });
    EXPECT_EQ(created, studentsInCourse);
}

} // namespace
} // namespace kv

// The program's windows wired together on the demo school: the login opens
// the tracking window, whose buttons reach the catalogue and the sheets.

#include "app/admin/demo_school.h"
#include "app/procedures.h"
#include "shell/browse_list.h"
#include "shell/login_window.h"
#include "shell/typed_entry.h"
#include "tests/support/gui_support.h"
#include "tests/support/test_support.h"
#include "tracking/tracking_window.h"

#include <QPushButton>
#include <gtest/gtest.h>

namespace kv {
namespace {

TEST(ProgramFlow, LoginOpensTheTrackingWindowAndSalirEndsBoth)
{
    test::TempFolder folder;
    admin::DemoSummary summary;
    QString error;
    ASSERT_TRUE(admin::createDemoSchool(folder.path(), &summary, &error)) << error.toStdString();
    AppState app(folder.path());
    test::RecordingPresenter recorder;
    app.errors.setPresenter(&recorder);
    installProcedures(app);
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

} // namespace
} // namespace kv

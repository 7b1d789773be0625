// KVAPP: the teacher's program. The data files and KVAPP.INI are in the
// working folder.

#include "app/procedures.h"
#include "resources/kv_resources.h"
#include "shell/app_state.h"
#include "shell/dialog_units.h"
#include "shell/drag_setting.h"
#include "shell/login_window.h"
#include "shell/message_box_presenter.h"
#include "shell/procedure_window.h"
#include "shell/startup.h"

#include <QApplication>
#include <QDir>

int main(int argc, char** argv)
{
    QApplication qapp(argc, argv);
    kv::initResources();
    kv::installFontSubstitutions();

    // Global services, the INI service and the data dictionary.
    kv::AppState app(QDir::currentPath());
    kv::MessageBoxPresenter presenter;
    app.errors.setPresenter(&presenter);
    kv::installProcedures(app);

    kv::SystemDragSetting desktop;
    kv::DragSettingGuard drag;
    drag.start(desktop);
    kv::startupReached();
    kv::runMain(app);
    drag.finish();
    return 0;
}

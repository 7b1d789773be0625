// kvsnapshot DIR DNI OUTPUT_PREFIX: logs in as the teacher with that D.N.I.
// (without the password step), opens the tracking window on the data in DIR
// and saves both tabs as OUTPUT_PREFIX-progreso.png and -contenidos.png.

#include "app/procedures.h"
#include "data/files/kvmaterias.h"
#include "resources/kv_resources.h"
#include "shell/browse_list.h"
#include "shell/dialog_units.h"
#include "tracking/tracking_window.h"

#include <QApplication>
#include <QTabBar>
#include <QTimer>
#include <cstdio>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication qapp(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() != 4) {
        std::fputs("usage: kvsnapshot DIR DNI OUTPUT_PREFIX\n", stderr);
        return 2;
    }
    kv::initResources();
    kv::installFontSubstitutions();
    kv::AppState app(args[1]);
    kv::installProcedures(app);
    app.dict.kvmaterias.buffer.setInteger(kv::KVM::DNI_DOCENTE, args[2].toInt());
    if (app.dict.kvmaterias.access.fetch(kv::KVM::CLAVE_DNI_PROFESOR) != kv::Status::Ok) {
        std::fputs("no teacher with that D.N.I.\n", stderr);
        return 1;
    }
    app.auxiliarDocente = app.dict.kvmaterias.buffer.text(kv::KVM::PROFESOR);
    kv::TrackingWindow window(app);
    const QString prefix = args[3];
    QTimer::singleShot(0, &window, [&] {
        window.grab().save(prefix + QStringLiteral("-progreso.png"));
        window.tabs()->setCurrentIndex(1);
        window.students().setCurrentRow(1);
        window.grab().save(prefix + QStringLiteral("-contenidos.png"));
        window.accept();
    });
    window.run();
    return 0;
}

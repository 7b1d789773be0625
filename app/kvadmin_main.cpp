// kvadmin: the school's tool for filling and reading the data files and for
// printing the sheets to PDF.

#include "app/admin/admin_commands.h"

#include <QGuiApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    // The sheets are drawn with fonts, which need a GUI application, but no
    // window ever opens: without a display the offscreen platform serves.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    QStringList args = QGuiApplication::arguments();
    args.removeFirst();
    return kv::admin::run(args, stdout, stderr);
}

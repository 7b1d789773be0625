// kvadmin: the school's tool for filling and reading the data files.

#include "app/admin/admin_commands.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    return kv::admin::run(args, stdout, stderr);
}

#include "app/admin/transfer_commands.h"
#include "data/csv_import.h"

#include <QFile>

namespace kv::admin {

int runImport(const Context& ctx, const QStringList& args)
{
    if (args.size() != 2) {
        return usageError(
            ctx, QStringLiteral("import needs a file label and a CSV file: import LABEL FILE.csv"));
    }
    Session session(ctx);
    DataFile* target = findFile(session, ctx, args[0]);
    if (!target) {
        return kUsage;
    }
    QFile csvFile(args[1]);
    if (!csvFile.open(QIODevice::ReadOnly)) {
        print(ctx.err, QStringLiteral("kvadmin: cannot read %1: %2\n").arg(args[1], csvFile.errorString()));
        return kFailed;
    }
    const QByteArray bytes = csvFile.readAll();
    if (csvFile.error() != QFileDevice::NoError) {
        print(ctx.err, QStringLiteral("kvadmin: cannot read %1: %2\n").arg(args[1], csvFile.errorString()));
        return kFailed;
    }

    const QString label = labelText(target->access.def().label);
    const auto result = csv::importCsv(target->access, bytes);
    if (result.error) {
        print(ctx.err,
            QStringLiteral("kvadmin: %1: %2\nNothing was imported into %3.\n")
                .arg(args[1], *result.error, label));
        return kFailed;
    }
    print(ctx.out,
        QStringLiteral("Imported %1 %2 into %3.\n")
            .arg(result.imported)
            .arg(result.imported == 1 ? QStringLiteral("record") : QStringLiteral("records"))
            .arg(label));
    return kSucceeded;
}

} // namespace kv::admin

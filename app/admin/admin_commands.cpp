#include "app/admin/admin_commands.h"

#include "app/admin/admin_context.h"
#include "app/admin/demo_school.h"
#include "app/admin/print_command.h"
#include "app/admin/sync_command.h"
#include "app/admin/transfer_commands.h"

#include <QFileInfo>

namespace kv::admin {
namespace {

constexpr char kUsageText[]
    = "usage: kvadmin [--dir DIR] COMMAND ...\n"
      "\n"
      "  import LABEL FILE.csv\n"
      "      add the rows of a CSV file to a data file, all or nothing\n"
      "  export LABEL [--key KEYLABEL] [FILE.csv]\n"
      "      write a data file as CSV, in record order or in the order of a key,\n"
      "      to FILE.csv or to standard output\n"
      "  demo\n"
      "      create a demo school in DIR (only where the data files hold no records)\n"
      "  print progress|contents SUBJECT OUT.pdf\n"
      "      write the progress or contents sheet of a subject (its KVM:NRO_REGISTRO)\n"
      "      as a PDF file\n"
      "  sync SUBJECT\n"
      "      bring the tracking rows in line with the content catalogue, as\n"
      "      \"Contenidos\" does: rows for the new entries of the subject whose\n"
      "      KVM:NRO_REGISTRO is SUBJECT, none left for entries that are gone\n"
      "\n"
      "LABEL is KVLIBRETA, KVAPRENDE, KVMATERIAS, KVALUAP or KVSEGUIR; KEYLABEL a key\n"
      "of that file such as KVA:CLAVE_ALFA. DIR, the folder of the data files,\n"
      "defaults to the current folder.\n";

int runDemo(const Context& ctx, const QStringList& args)
{
    if (!args.isEmpty()) {
        return usageError(ctx, QStringLiteral("demo takes no arguments"));
    }
    DemoSummary summary;
    QString error;
    if (!createDemoSchool(ctx.directory, &summary, &error)) {
        std::fprintf(ctx.err, "kvadmin: %s\n", qUtf8Printable(error));
        return kFailed;
    }
    std::fputs(qUtf8Printable(describeDemo(summary)), ctx.out);
    return kSucceeded;
}

} // namespace

int run(const QStringList& args, std::FILE* out, std::FILE* err)
{
    Context ctx {QStringLiteral("."), out, err};
    QStringList rest = args;
    if (!rest.isEmpty() && rest.front() == QLatin1String("--dir")) {
        if (rest.size() < 2) {
            return usageError(ctx, QStringLiteral("--dir needs a folder"));
        }
        ctx.directory = rest[1];
        rest.remove(0, 2);
        if (!QFileInfo(ctx.directory).isDir()) {
            return usageError(ctx, QStringLiteral("no such folder: %1").arg(ctx.directory));
        }
    }
    if (rest.isEmpty()) {
        std::fputs(kUsageText, err);
        return kUsage;
    }
    const QString command = rest.takeFirst();
    if (command == QLatin1String("import")) {
        return runImport(ctx, rest);
    }
    if (command == QLatin1String("export")) {
        return runExport(ctx, rest);
    }
    if (command == QLatin1String("print")) {
        return runPrint(ctx, rest);
    }
    if (command == QLatin1String("sync")) {
        return runSync(ctx, rest);
    }
    if (command == QLatin1String("demo")) {
        return runDemo(ctx, rest);
    }
    if (command == QLatin1String("help") || command == QLatin1String("--help")) {
        std::fputs(kUsageText, out);
        return kSucceeded;
    }
    return usageError(ctx, QStringLiteral("unknown command '%1'").arg(command));
}

} // namespace kv::admin

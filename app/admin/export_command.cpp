#include "app/admin/transfer_commands.h"
#include "data/csv_export.h"

#include <QSaveFile>

namespace kv::admin {
namespace {

struct ExportArgs {
    QString label;
    QString key;
    QString output; // empty: the output stream
};

std::optional<ExportArgs> parseArgs(const Context& ctx, const QStringList& args)
{
    ExportArgs parsed;
    QStringList positional;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--key")) {
            if (++i == args.size()) {
                usageError(ctx, QStringLiteral("--key needs a key label"));
                return std::nullopt;
            }
            parsed.key = args[i];
        } else if (args[i].startsWith(QLatin1String("--"))) {
            usageError(ctx, QStringLiteral("unknown option '%1' for export").arg(args[i]));
            return std::nullopt;
        } else {
            positional << args[i];
        }
    }
    if (positional.isEmpty() || positional.size() > 2) {
        usageError(
            ctx, QStringLiteral("export needs a file label: export LABEL [--key KEYLABEL] [FILE.csv]"));
        return std::nullopt;
    }
    parsed.label = positional[0];
    parsed.output = positional.value(1);
    return parsed;
}

// The key named by its label, with or without the file's prefix, capitals or not.
std::optional<int> findKey(const FileDef& def, const QString& name)
{
    for (int k = 0; k < static_cast<int>(def.keys.size()); ++k) {
        const QString label = labelText(def.keys[k].label);
        if (name.compare(label, Qt::CaseInsensitive) == 0
            || name.compare(labelText(bareName(def.keys[k].label)), Qt::CaseInsensitive) == 0) {
            return k;
        }
    }
    return std::nullopt;
}

} // namespace

int runExport(const Context& ctx, const QStringList& args)
{
    const auto parsed = parseArgs(ctx, args);
    if (!parsed) {
        return kUsage;
    }
    Session session(ctx);
    DataFile* source = findFile(session, ctx, parsed->label);
    if (!source) {
        return kUsage;
    }
    const FileDef& def = source->access.def();
    std::optional<int> key;
    if (!parsed->key.isEmpty()) {
        key = findKey(def, parsed->key);
        if (!key) {
            return usageError(
                ctx, QStringLiteral("%1 has no key '%2'").arg(labelText(def.label), parsed->key));
        }
    }

    QSaveFile file(parsed->output);
    if (!parsed->output.isEmpty() && !file.open(QIODevice::WriteOnly)) {
        print(ctx.err,
            QStringLiteral("kvadmin: cannot write %1: %2\n").arg(parsed->output, file.errorString()));
        return kFailed;
    }
    const csv::ByteSink sink = [&](const QByteArray& bytes) {
        if (parsed->output.isEmpty()) {
            const auto n = static_cast<std::size_t>(bytes.size());
            return std::fwrite(bytes.constData(), 1, n, ctx.out) == n;
        }
        return file.write(bytes) == bytes.size();
    };
    const auto result = csv::exportCsv(source->access, key, sink);
    if (!result.error && parsed->output.isEmpty() && std::fflush(ctx.out) != 0) {
        print(ctx.err, QStringLiteral("kvadmin: the output cannot be written\n"));
        return kFailed;
    }
    if (result.error) {
        print(ctx.err, QStringLiteral("kvadmin: %1\n").arg(*result.error));
        return kFailed;
    }
    if (!parsed->output.isEmpty()) {
        if (!file.commit()) {
            print(ctx.err,
                QStringLiteral("kvadmin: cannot write %1: %2\n").arg(parsed->output, file.errorString()));
            return kFailed;
        }
        print(ctx.out,
            QStringLiteral("Exported %1 %2 from %3 to %4.\n")
                .arg(result.exported)
                .arg(result.exported == 1 ? QStringLiteral("record") : QStringLiteral("records"))
                .arg(labelText(def.label), parsed->output));
    }
    return kSucceeded;
}

} // namespace kv::admin

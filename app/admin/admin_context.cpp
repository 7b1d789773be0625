#include "app/admin/admin_context.h"

#include "data/files/all_files.h"

namespace kv::admin {

void print(std::FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
}

int usageError(const Context& ctx, const QString& text)
{
    print(ctx.err, QStringLiteral("kvadmin: %1\nRun 'kvadmin help' for usage.\n").arg(text));
    return kUsage;
}

Session::Session(const Context& ctx)
    : presenter(ctx.err)
    , dictionary(errors, ctx.directory)
{
    errors.setPresenter(&presenter);
    errors.setFatalHandler([] {});
}

DataFile* findFile(Session& session, const Context& ctx, const QString& label)
{
    if (const FileDef* def = fileByLabel(label.toUpper().toStdString())) {
        return session.dictionary.byLabel(def->label);
    }
    QStringList known;
    for (const FileDef* def : allFiles()) {
        known << labelText(def->label);
    }
    usageError(
        ctx, QStringLiteral("unknown file '%1' (one of %2)").arg(label, known.join(QStringLiteral(", "))));
    return nullptr;
}

} // namespace kv::admin

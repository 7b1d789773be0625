#include "app/admin/sync_command.h"

#include "catalogue/content_sync.h"
#include "data/files/kvmaterias.h"

namespace kv::admin {

int runSync(const Context& ctx, const QStringList& args)
{
    if (args.size() != 1) {
        return usageError(ctx, QStringLiteral("sync needs one subject number: sync SUBJECT"));
    }
    bool isNumber = false;
    const std::int32_t code = args[0].toInt(&isNumber);
    if (!isNumber) {
        return usageError(ctx, QStringLiteral("not a subject number: '%1'").arg(args[0]));
    }

    Session session(ctx);
    DataFile& materias = session.dictionary.kvmaterias;
    // The first subject with that number in KVM:CLAVE_PRINCIPAL order. The key
    // leaves out number 0, so no subject 0 is ever found.
    materias.buffer.clear();
    materias.buffer.setInteger(KVM::NRO_REGISTRO, code);
    const Status found = materias.access.fetch(KVM::CLAVE_PRINCIPAL);
    if (found != Status::Ok) {
        if (found == Status::NoRecord) {
            print(ctx.err,
                QStringLiteral("kvadmin: there is no subject with number %1 in %2; nothing changed\n")
                    .arg(code)
                    .arg(materias.access.name()));
        }
        return kFailed;
    }

    const SyncResult result = synchroniseContents(session.dictionary, materias.buffer);
    if (!result.ok) {
        print(ctx.err,
            QStringLiteral("kvadmin: the synchronisation failed, nothing changed: %1\n").arg(result.error));
        return kFailed;
    }
    print(ctx.out,
        QStringLiteral("Subject %1 (%2): %3 tracking rows created, %4 deleted\n")
            .arg(code)
            .arg(materias.buffer.text(KVM::MATERIA))
            .arg(result.created)
            .arg(result.deleted));
    return kSucceeded;
}

} // namespace kv::admin

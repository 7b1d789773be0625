#include "app/admin/print_command.h"

#include "data/files/kvmaterias.h"
#include "sheets/sheet_definition.h"
#include "sheets/sheet_pdf.h"

namespace kv::admin {

int runPrint(const Context& ctx, const QStringList& args)
{
    if (args.size() != 3) {
        return usageError(ctx,
            QStringLiteral("print needs a sheet, a subject and a file: "
                           "print progress|contents SUBJECT OUT.pdf"));
    }
    const sheets::SheetDefinition* sheet = nullptr;
    if (args[0] == QLatin1String("progress")) {
        sheet = &sheets::progressSheet();
    } else if (args[0] == QLatin1String("contents")) {
        sheet = &sheets::contentsSheet();
    } else {
        return usageError(ctx, QStringLiteral("unknown sheet '%1' (progress or contents)").arg(args[0]));
    }
    bool isNumber = false;
    const std::int32_t subject = args[1].toInt(&isNumber);
    if (!isNumber) {
        return usageError(
            ctx, QStringLiteral("the subject is a number (KVM:NRO_REGISTRO), not '%1'").arg(args[1]));
    }
    const QString& output = args[2];

    Session session(ctx);
    Dictionary& dict = session.dictionary;

    // The header shows the subject as the tracking window would leave it in
    // the buffer: its first record by code.
    DataFile& subjects = dict.kvmaterias;
    subjects.buffer.clear();
    subjects.buffer.setInteger(KVM::NRO_REGISTRO, subject);
    const Status found = subjects.access.fetch(KVM::CLAVE_PRINCIPAL);
    if (found != Status::Ok) {
        print(ctx.err,
            found == Status::NoRecord ? QStringLiteral("kvadmin: there is no subject %1 in %2\n")
                                            .arg(subject)
                                            .arg(subjects.access.name())
                                      : QStringLiteral("kvadmin: the subjects cannot be read\n"));
        return kFailed;
    }

    DataFile& source = dict.*sheet->read;
    source.buffer.clear();
    source.buffer.setInteger(sheet->rangeField, subject);
    const std::optional<sheets::SheetDocument> document = sheets::buildSheet(*sheet, dict);
    if (!document) {
        print(ctx.err,
            QStringLiteral("kvadmin: subject %1 (%2) has no records in %3; no PDF written\n")
                .arg(subject)
                .arg(subjects.buffer.text(KVM::MATERIA), source.access.name()));
        return kFailed;
    }
    QString error;
    if (!sheets::writeSheetPdf(*document, output, &error)) {
        print(ctx.err, QStringLiteral("kvadmin: cannot write %1: %2\n").arg(output, error));
        return kFailed;
    }
    print(ctx.out,
        QStringLiteral("Wrote the %1 sheet of subject %2 to %3: %4 %5 on %6 %7.\n")
            .arg(args[0])
            .arg(subject)
            .arg(output)
            .arg(document->rows)
            .arg(document->rows == 1 ? QStringLiteral("row") : QStringLiteral("rows"))
            .arg(document->pages.size())
            .arg(document->pages.size() == 1 ? QStringLiteral("page") : QStringLiteral("pages")));
    return kSucceeded;
}

} // namespace kv::admin

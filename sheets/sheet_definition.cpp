#include "sheets/sheet_definition.h"

#include "data/files/kvlibreta.h"
#include "data/files/kvseguir.h"
#include "sheets/record_process.h"
#include "sheets/report_writer.h"
#include "sheets/sheet_layouts.h"

namespace kv::sheets {

const SheetDefinition& progressSheet()
{
    static const SheetDefinition sheet {
        QStringLiteral("Imprimir_Planilla_Informe_Progreso"),
        {&Dictionary::kvlibreta, &Dictionary::kvmaterias},
        &Dictionary::kvlibreta,
        KVL::CLAVE_CODMATERIA_ALUALFA,
        KVL::COD_MATERIA,
        KVL::ALUMNO,
        progressSheetLayout(),
    };
    return sheet;
}

const SheetDefinition& contentsSheet()
{
    static const SheetDefinition sheet {
        QStringLiteral("Imprimir_Planilla_Informe_Contenidos"),
        {&Dictionary::kvmaterias, &Dictionary::kvseguir},
        &Dictionary::kvseguir,
        KVG::CLAVE_CODMATERIA_ALUALFA,
        KVG::COD_MATERIA,
        KVG::ALUMNO,
        contentsSheetLayout(),
    };
    return sheet;
}

std::optional<SheetDocument> buildSheet(const SheetDefinition& sheet, Dictionary& dict)
{
    DataFile& file = dict.*sheet.read;
    RecordProcess process(file.access, sheet.key, sheet.progressField);
    if (!process.open()) {
        return std::nullopt;
    }
    ReportWriter writer(sheet.layout, dict.kvmaterias.buffer);
    do {
        writer.take(file.buffer);
    } while (process.next());
    return writer.finish();
}

} // namespace kv::sheets

#pragma once

// What each sheet reads and how: its procedure name (also its section in
// KVAPP.INI), the files it opens, the file and key it reads, the field its
// progress is estimated on, and its layout.

#include "data/dictionary.h"
#include "sheets/page_model.h"
#include "sheets/report_layout.h"

#include <QString>
#include <optional>
#include <vector>

namespace kv::sheets {

struct SheetDefinition {
    QString procedure;
    std::vector<DataFile Dictionary::*> files; // opened in this order
    DataFile Dictionary::*read; // the file whose records are printed
    int key; // read in this key's order, within its first component ...
    int rangeField; // ... which is this field, the subject code
    int progressField; // the student's name
    const ReportLayout& layout;
};

// Imprimir_Planilla_Informe_Progreso: KVLIBRETA by subject and student name.
const SheetDefinition& progressSheet();
// Imprimir_Planilla_Informe_Contenidos: KVSEGUIR by subject and student name.
const SheetDefinition& contentsSheet();

// Builds every page at once, without a window: the subject is the one in
// the read file's buffer, the header data the KVMATERIAS buffer as it stands.
// Nothing when the subject has no records.
std::optional<SheetDocument> buildSheet(const SheetDefinition& sheet, Dictionary& dict);

} // namespace kv::sheets

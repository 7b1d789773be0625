#pragma once

// The two sheet procedures, called by the tracking window's "Planilla"
// buttons. Each prints the subject whose code stands in the buffer of the
// file it reads, with the page header from the KVMATERIAS buffer as it
// stands; the response goes to app.globalResponse.

#include "sheets/sheet_definition.h"
#include "sheets/sheet_output.h"
#include "shell/app_state.h"

namespace kv::sheets {

// Runs a sheet through the progress window; the finished pages go to `output`.
void runSheet(AppState& app, const SheetDefinition& sheet, SheetOutput& output);

} // namespace kv::sheets

namespace kv {

// Imprimir_Planilla_Informe_Progreso: the subject in KVLIBRETA's KVL:COD_MATERIA.
void runProgressSheet(AppState& app);
// Imprimir_Planilla_Informe_Contenidos: the subject in KVSEGUIR's KVG:COD_MATERIA.
void runContentsSheet(AppState& app);

} // namespace kv

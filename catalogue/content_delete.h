#pragma once

// The content form's delete request: the entry in the KVAPRENDE buffer, as
// the list read it, is deleted at once, without a window and without asking.
// It goes through the same frame as the form's window (procedure name,
// request taken, files opened and closed, response handed back) but opens
// no window and so saves no placement.

#include "shell/app_state.h"

namespace kv {

// The procedure name the form goes by, for messages and placements.
inline const QString kContentFormProcedure = QStringLiteral("Cargar_Contenido");

// Deletes the current KVAPRENDE record. A failure is reported ("Record was
// not deleted") and the user asked whether to try again, for as long as the
// answer is "Yes". Returns and leaves in GlobalResponse RequestCompleted when
// the entry was deleted, RequestCancelled when not.
std::uint8_t runContentDelete(AppState& app);

} // namespace kv

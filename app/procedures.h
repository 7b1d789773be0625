#pragma once

// Wiring of the procedures each window calls.

#include "shell/app_state.h"

namespace kv {

void installProcedures(AppState& app);

} // namespace kv

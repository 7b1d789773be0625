#pragma once

// Wiring of the program's procedures, and the start-up timing hook.

#include "shell/app_state.h"

namespace kv {

// Installs the procedures each window calls.
void installProcedures(AppState& app);

// When KVAPP_STARTUP_PROBE is set, the program ends as soon as the first
// window is shown: the start-up benchmark times that.
void startupReached();

} // namespace kv

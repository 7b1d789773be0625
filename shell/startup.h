#pragma once

// The start-up timing hook.

#include "shell/app_state.h"

namespace kv {

// When KVAPP_STARTUP_PROBE is set, the program ends as soon as the first
// window is shown: the start-up benchmark times that.
void startupReached();

} // namespace kv

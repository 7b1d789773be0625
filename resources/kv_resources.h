#pragma once

namespace kv {

// Registers the icons compiled into the kv_resources static library
// (":/icons/OK04", ":/icons/SALIR", ...). Call once, after creating the
// QApplication and before the first QIcon is built. Calling it again is harmless.
void initResources();

} // namespace kv

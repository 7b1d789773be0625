#pragma once

// The five record files, in the order in which they are set up and torn down.

#include "data/schema.h"

#include <span>
#include <string_view>

namespace kv {

// KVLIBRETA, KVAPRENDE, KVMATERIAS, KVALUAP, KVSEGUIR.
std::span<const FileDef* const> allFiles();

// nullptr when no file has that label.
const FileDef* fileByLabel(std::string_view label);

} // namespace kv

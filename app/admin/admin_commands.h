#pragma once

// The commands of kvadmin, runnable in-process (tests call run() directly).

#include <QStringList>
#include <cstdio>

namespace kv::admin {

// kvadmin [--dir DIR] COMMAND ...; returns the exit status.
int run(const QStringList& args, std::FILE* out, std::FILE* err);

} // namespace kv::admin

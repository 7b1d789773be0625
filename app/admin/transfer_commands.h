#pragma once

// kvadmin import and export: CSV in and out of the data files.

#include "app/admin/admin_context.h"

#include <QStringList>

namespace kv::admin {

// import LABEL FILE.csv
int runImport(const Context& ctx, const QStringList& args);
// export LABEL [--key KEYLABEL] [FILE.csv]
int runExport(const Context& ctx, const QStringList& args);

} // namespace kv::admin

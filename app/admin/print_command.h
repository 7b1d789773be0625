#pragma once

// kvadmin print: a subject's progress or contents sheet as a PDF file.

#include "app/admin/admin_context.h"

#include <QStringList>

namespace kv::admin {

// print progress|contents SUBJECT OUT.pdf
int runPrint(const Context& ctx, const QStringList& args);

} // namespace kv::admin

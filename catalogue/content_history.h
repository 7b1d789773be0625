#pragma once

// The content form's history copy: the record fields of the last catalogue
// entry completed with the form since the program started (blank before
// that), from which Ctrl+H recalls a field. It holds no memo.

#include "data/record.h"

namespace kv {

const Record& contentHistory();
// Taken on every "Aceptar", before the entry is written.
void keepInContentHistory(const Record& entry);
// Blank again, as when the program starts.
void forgetContentHistory();

} // namespace kv

#pragma once

// The layouts of the two printed sheets.

#include "sheets/report_layout.h"

namespace kv::sheets {

// The progress report sheet: one row per grade-book record (KVLIBRETA).
const ReportLayout& progressSheetLayout();
// The contents report sheet: tracking records (KVSEGUIR) grouped by student.
const ReportLayout& contentsSheetLayout();

} // namespace kv::sheets

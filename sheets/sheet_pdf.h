#pragma once

// Writes a sheet's pages as a PDF file, without any window.

#include "sheets/page_model.h"

#include <QString>

namespace kv::sheets {

// The file appears whole or not at all. False with the reason in *error.
bool writeSheetPdf(const SheetDocument& document, const QString& path, QString* error);

} // namespace kv::sheets

#pragma once

// Writing a record file as CSV: a header of field labels then memo labels in
// declaration order, one row per record. Texts without their padding, dates
// as YYYY-MM-DD (empty for no date), decimals with a point and two decimals,
// whole numbers plain.

#include "data/file_manager.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace kv::csv {

std::vector<QString> headerCells(const FileDef& def);
QString fieldText(const Record& record, int field);
std::vector<QString> recordCells(const Record& record);

// Receives the CSV a row at a time; false stops the export (a write failed).
using ByteSink = std::function<bool(const QByteArray& bytes)>;

struct ExportResult {
    std::int64_t exported = 0;
    std::optional<QString> error;
};

// Writes the whole file in record order, or in the order of `key` leaving
// out the records an optional key leaves out. Reads a page at a time, never
// the whole file. A data file that does not exist is exported as the header
// alone, without creating it.
ExportResult exportCsv(FileManager& file, std::optional<int> key, const ByteSink& sink);

} // namespace kv::csv

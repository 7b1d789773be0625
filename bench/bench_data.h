#pragma once

// Data sets for the benchmarks, built once and cached on disk.

#include "data/record.h"

#include <QString>
#include <cstdint>

namespace kv::bench {

// Folder holding a KVSEGUIR.TPS of `rows` tracking rows (numbers 1..rows,
// about 30 rows per student, 200 subjects).
QString trackingFile(std::int64_t rows);

// A fresh copy of a data folder's files under a scratch name, for benchmarks that write.
QString scratchCopy(const QString& dir, const char* name);

// Fills a tracking row for row number `n` (the number itself is not set).
void fillTracking(Record& r, std::int64_t n);
std::int32_t studentOf(std::int64_t n);

} // namespace kv::bench

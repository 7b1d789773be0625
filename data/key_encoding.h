#pragma once

// Sort values of keys. Every key of a file is stored as one derived BLOB
// column whose byte order (memcmp) is exactly the key's order: integers with
// the sign bit flipped, big-endian; texts as their fixed-size Windows-1252
// bytes padded with spaces (so they compare as if padded), capitals folded
// for case-insensitive keys; dates as year, month, day; decimals as 64-bit
// hundredths; descending components with every byte inverted. Equal values
// keep insertion order through the record position that follows in the index.

#include "data/record.h"
#include "data/schema.h"

#include <QByteArray>

namespace kv {

// Bytes of the first `components` components of `key` (all when -1).
QByteArray keyPrefix(const Record& record, const KeyDef& key, int components = -1);

// The key's sort value for the record, or a null QByteArray when the key is
// optional and every component is empty (the record is not in the key).
QByteArray keyValue(const Record& record, const KeyDef& key);

// Length in bytes of the sort value of the first `components` components.
int keyLength(const FileDef& def, const KeyDef& key, int components = -1);

// The smallest byte string greater than every string starting with `prefix`;
// null when there is none (prefix all 0xFF).
QByteArray prefixUpperBound(const QByteArray& prefix);

} // namespace kv

#pragma once

// The SQLite layout of a record file, generated from its table: one table
// named after the file label; an INTEGER PRIMARY KEY "pos" giving record
// order (never reused, kept by VACUUM); one column per field (texts as UTF-8
// without padding, integers, decimals as numbers, dates as YYYY-MM-DD or
// NULL) and per memo; one derived BLOB column per key holding its sort value
// (NULL when an optional key leaves the record out), with one index per key.

#include "data/schema.h"

#include <string>
#include <vector>

namespace kv::schema {

std::string table(const FileDef& def);
std::string fieldColumn(const FieldDef& field);
std::string memoColumn(const MemoDef& memo);
std::string keyColumn(const KeyDef& key);
std::string indexName(const FileDef& def, const KeyDef& key);

std::string createTableSql(const FileDef& def);
std::string createIndexSql(const FileDef& def, const KeyDef& key);

// Field and memo columns, comma-separated, in declaration order.
std::string dataColumns(const FileDef& def);
// Key columns, comma-separated.
std::string keyColumns(const FileDef& def);

// A number that changes whenever the generated layout or key encoding
// changes; kept in the file's user_version to detect stale keys.
int layoutVersion(const FileDef& def);

// Marks our files (PRAGMA application_id).
constexpr int kApplicationId = 0x4B564150;

} // namespace kv::schema

namespace kv::schema {

// The statements the file manager runs, built once per file.
struct StatementTexts {
    std::string insert; // data and key columns
    std::string update; // data and key columns, then pos
    std::string selectByPos; // pos, data columns
    std::string selectAfterPos;
    std::string deleteByPos;
    std::string count;
    std::string highestAutoNumber; // empty when the file numbers nothing
    std::vector<std::string> fetchByKey;
};

const StatementTexts& statements(const FileDef& def);

} // namespace kv::schema

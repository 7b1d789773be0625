#pragma once

// Moves a record between its buffer layout and the columns of its table.

#include "data/record.h"
#include "data/sqlite_db.h"

namespace kv::rowcodec {

// Binds fields, memos and key sort values (in that order, as the columns of
// the table) from parameter `first` on. Returns the next free parameter.
int bind(sql::Statement& stmt, int first, const Record& record);

// Reads fields and memos from result column `first` on.
void read(const sql::Statement& stmt, int first, Record& record);

// Number of parameters `bind` uses.
int boundCount(const FileDef& def);

} // namespace kv::rowcodec

#pragma once

// Loading a record file from CSV: the header row names the fields and memos
// (any of them, in any order, labels as written such as "KVA:LEGAJO"), each
// further row becomes one record. Cells are checked against what their field
// can hold; the whole load is one batch, so a refused row leaves the file as
// it was.

#include "data/file_manager.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace kv::csv {

// Why a cell, a column or a row was refused. `field` is empty when the
// problem is not in one field (a row with the wrong number of cells).
struct FieldError {
    QString field;
    QString reason;
};

// "line 7, field KVA:DNI: reason", or "line 7: reason" without a field.
QString describe(int line, const FieldError& error);

// Sets one field or memo from its CSV text: texts and memos in
// Windows-1252 within the size, whole numbers within 32 or 16 bits,
// decimals with at most two decimals within the packed size, dates as
// YYYY-MM-DD. An empty cell means an empty text, 0 or no date. On a refusal
// the record is left unchanged and the reason returned.
std::optional<QString> setFieldFromText(Record& record, int field, const QString& text);
std::optional<QString> setMemoFromText(Record& record, int memo, const QString& text);

// The columns of a CSV file bound to the fields and memos of a record file.
class ColumnMap {
public:
    // Binds header labels (capitals or not) to fields and memos; refuses an
    // unknown or repeated label.
    static std::optional<ColumnMap> fromHeader(
        const FileDef& def, const std::vector<QString>& header, FieldError* error);

    std::size_t size() const { return columns_.size(); }

    // Clears the record and fills it from one row; the row must have one
    // cell per column.
    std::optional<FieldError> fill(const std::vector<QString>& cells, Record& record) const;

private:
    struct Column {
        bool memo = false;
        int index = 0;
    };
    explicit ColumnMap(const FileDef& def)
        : def_(&def)
    {
    }

    const FileDef* def_;
    std::vector<Column> columns_;
};

struct ImportResult {
    std::int64_t imported = 0;
    std::optional<QString> error; // set when nothing was imported
};

// Adds every row of a UTF-8 CSV text to the file through its buffer, all or
// nothing. Rows whose auto-numbered field is 0 or absent are numbered by the
// file manager. Failures are returned, never shown: the file manager's
// messages are not used.
ImportResult importCsv(FileManager& file, const QByteArray& utf8);

} // namespace kv::csv

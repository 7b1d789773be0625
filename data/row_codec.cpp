#include "data/row_codec.h"

#include "data/cp1252.h"
#include "data/key_encoding.h"

#include <cmath>

namespace kv::rowcodec {

int boundCount(const FileDef& def)
{
    return static_cast<int>(def.fields.size() + def.memos.size() + def.keys.size());
}

int bind(sql::Statement& stmt, int first, const Record& record)
{
    const FileDef& def = record.def();
    int p = first;
    std::string utf8;
    for (int f = 0; f < static_cast<int>(def.fields.size()); ++f, ++p) {
        switch (def.fields[f].type) {
        case FieldType::Long:
        case FieldType::Short:
            stmt.bindInt(p, record.integer(f));
            break;
        case FieldType::Decimal:
            stmt.bindDouble(p, static_cast<double>(record.decimal(f)) / 100.0);
            break;
        case FieldType::Date: {
            const Date d = record.date(f);
            if (d.isNull()) {
                stmt.bindNull(p);
            } else {
                stmt.bindText(p, d.toIso());
            }
            break;
        }
        case FieldType::Text: {
            const QByteArray& raw = record.bytes();
            cp1252::toUtf8(raw.constData() + def.fields[f].offset, def.fields[f].size, utf8, true);
            stmt.bindText(p, utf8);
            break;
        }
        }
    }
    for (const QByteArray& memo : record.memoBytes()) {
        cp1252::toUtf8(memo.constData(), memo.size(), utf8, false);
        stmt.bindText(p++, utf8);
    }
    for (const KeyDef& key : def.keys) {
        stmt.bindBlob(p++, keyValue(record, key));
    }
    return p;
}

namespace {

Date parseStoredDate(std::string_view text)
{
    // Lenient: "YYYY-MM-DD" as written by the program, whatever the values.
    int parts[3] = {0, 0, 0};
    int part = 0;
    for (char c : text) {
        if (c == '-' && part < 2) {
            ++part;
        } else if (c >= '0' && c <= '9') {
            parts[part] = parts[part] * 10 + (c - '0');
            if (parts[part] > 65535) {
                return {};
            }
        } else {
            return {};
        }
    }
    if (part != 2 || parts[1] > 255 || parts[2] > 255) {
        return {};
    }
    return {parts[2], parts[1], parts[0]};
}

} // namespace

void read(const sql::Statement& stmt, int first, Record& record)
{
    const FileDef& def = record.def();
    int c = first;
    for (int f = 0; f < static_cast<int>(def.fields.size()); ++f, ++c) {
        switch (def.fields[f].type) {
        case FieldType::Long:
        case FieldType::Short:
            record.setInteger(f, static_cast<std::int32_t>(stmt.columnInt(c)));
            break;
        case FieldType::Decimal:
            if (!record.setDecimal(f, std::llround(stmt.columnDouble(c) * 100.0))) {
                record.clearField(f);
            }
            break;
        case FieldType::Date:
            record.setDate(f, parseStoredDate(stmt.columnText(c)));
            break;
        case FieldType::Text: {
            const std::string_view t = stmt.columnText(c);
            record.setRawText(f, cp1252::fromUtf8(t.data(), static_cast<qsizetype>(t.size())));
            break;
        }
        }
    }
    for (int m = 0; m < static_cast<int>(def.memos.size()); ++m, ++c) {
        const std::string_view t = stmt.columnText(c);
        record.setRawMemo(m, cp1252::fromUtf8(t.data(), static_cast<qsizetype>(t.size())));
    }
}

} // namespace kv::rowcodec

#pragma once

// A record buffer: the fixed part with the exact byte layout of its file
// (Windows-1252 texts padded with spaces, little-endian integers, packed
// decimals, 4-byte dates) and the memos beside it.

#include "data/field_codec.h"
#include "data/schema.h"

#include <QByteArray>
#include <QString>
#include <vector>

namespace kv {

class Record {
public:
    explicit Record(const FileDef& def);

    const FileDef& def() const { return *def_; }
    const QByteArray& bytes() const { return bytes_; }
    const std::vector<QByteArray>& memoBytes() const { return memos_; }

    // Texts to spaces, numbers and dates to 0, memos empty.
    void clear();
    void clearField(int field);
    bool isFieldEmpty(int field) const;

    // Whole numbers (32- or 16-bit fields). A 16-bit field keeps the low 16 bits.
    std::int32_t integer(int field) const;
    void setInteger(int field, std::int32_t value);

    // Texts: `text` drops the padding. `setText` refuses (and changes nothing)
    // a value that is too long or has a character outside Windows-1252;
    // `setTextCut` keeps the first characters that fit, for the places that
    // cut a value on purpose.
    QString text(int field) const;
    QByteArray rawText(int field) const; // padded Windows-1252 bytes
    bool setText(int field, QStringView value);
    void setTextCut(int field, QStringView value);
    void setRawText(int field, const QByteArray& bytes); // cut or padded to the field

    Date date(int field) const;
    void setDate(int field, const Date& value);

    // Packed decimals, in hundredths. `setDecimal` refuses a value that does not fit.
    std::int64_t decimal(int field) const;
    bool setDecimal(int field, std::int64_t hundredths);

    QString memo(int memo) const;
    QByteArray rawMemo(int memo) const { return memos_[memo]; }
    bool setMemo(int memo, QStringView value); // refuses too long / unrepresentable
    void setMemoCut(int memo, QStringView value);
    void setRawMemo(int memo, const QByteArray& bytes);

    // Whole fixed part and memos, as stored.
    bool operator==(const Record& other) const = default;

    // Copies fixed part and memos from a record of the same file.
    void assign(const Record& other) { *this = other; }

private:
    const char* at(int field) const;
    char* at(int field);

    const FileDef* def_;
    QByteArray bytes_;
    std::vector<QByteArray> memos_;
};

} // namespace kv

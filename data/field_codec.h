#pragma once

// Byte-level codecs of the field types: little-endian integers, packed
// decimals and dates, on a raw record buffer.

#include <QDate>
#include <QString>
#include <cstdint>
#include <optional>

namespace kv {

struct Date {
    int day = 0;
    int month = 0;
    int year = 0;

    bool isNull() const { return day == 0 && month == 0 && year == 0; }
    // Day number for comparisons by calendar day; 0 for no date.
    std::int64_t dayNumber() const;
    QDate toQDate() const { return QDate(year, month, day); }
    static Date fromQDate(const QDate& d);
    // "YYYY-MM-DD", empty for no date.
    QString toIso() const;
    // Accepts "YYYY-MM-DD" or an empty text (no date); nothing when invalid.
    static std::optional<Date> fromIso(const QString& text);
    bool operator==(const Date&) const = default;
};

namespace codec {

std::int32_t readI32(const char* p);
void writeI32(char* p, std::int32_t v);
std::int16_t readI16(const char* p);
void writeI16(char* p, std::int16_t v);

Date readDate(const char* p);
void writeDate(char* p, const Date& d);

// Packed decimal with two decimals in `size` bytes: a sign nibble (0 plus,
// 0xD minus) followed by 2*size-1 digits, most significant first. The value
// is handled in hundredths.
std::int64_t readPacked(const char* p, int size);
bool writePacked(char* p, int size, std::int64_t hundredths); // false when it does not fit
std::int64_t packedLimit(int size); // largest storable magnitude in hundredths

// Hundredths as text with a point and two decimals ("-12.50"), and back.
QString formatHundredths(std::int64_t hundredths);
std::optional<std::int64_t> parseHundredths(const QString& text);

} // namespace codec
} // namespace kv

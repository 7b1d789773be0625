#include "data/field_codec.h"

#include <cstring>

namespace kv {

std::int64_t Date::dayNumber() const
{
    if (isNull()) {
        return 0;
    }
    const QDate d(year, month, day);
    if (d.isValid()) {
        return d.toJulianDay();
    }
    // Not a calendar day; keep an order consistent with the fields.
    return (static_cast<std::int64_t>(year) * 16 + month) * 32 + day;
}

Date Date::fromQDate(const QDate& d)
{
    if (!d.isValid()) {
        return {};
    }
    return {d.day(), d.month(), d.year()};
}

QString Date::toIso() const
{
    if (isNull()) {
        return {};
    }
    return QStringLiteral("%1-%2-%3")
        .arg(year, 4, 10, QLatin1Char('0'))
        .arg(month, 2, 10, QLatin1Char('0'))
        .arg(day, 2, 10, QLatin1Char('0'));
}

std::optional<Date> Date::fromIso(const QString& text)
{
    const QString t = text.trimmed();
    if (t.isEmpty()) {
        return Date {};
    }
    const QDate d = QDate::fromString(t, Qt::ISODate);
    if (!d.isValid() || d.year() < 1 || d.year() > 32767 || t.size() != 10) {
        return std::nullopt;
    }
    return Date::fromQDate(d);
}

namespace codec {

std::int32_t readI32(const char* p)
{
    const auto* u = reinterpret_cast<const unsigned char*>(p);
    const std::uint32_t v = std::uint32_t(u[0]) | std::uint32_t(u[1]) << 8 | std::uint32_t(u[2]) << 16
        | std::uint32_t(u[3]) << 24;
    return static_cast<std::int32_t>(v);
}

void writeI32(char* p, std::int32_t v)
{
    const auto u = static_cast<std::uint32_t>(v);
    for (int i = 0; i < 4; ++i) {
        p[i] = static_cast<char>((u >> (8 * i)) & 0xFF);
    }
}

std::int16_t readI16(const char* p)
{
    const auto* u = reinterpret_cast<const unsigned char*>(p);
    return static_cast<std::int16_t>(std::uint16_t(u[0] | (u[1] << 8)));
}

void writeI16(char* p, std::int16_t v)
{
    const auto u = static_cast<std::uint16_t>(v);
    p[0] = static_cast<char>(u & 0xFF);
    p[1] = static_cast<char>(u >> 8);
}

Date readDate(const char* p)
{
    const auto* u = reinterpret_cast<const unsigned char*>(p);
    return {u[0], u[1], static_cast<std::uint16_t>(u[2] | (u[3] << 8))};
}

void writeDate(char* p, const Date& d)
{
    p[0] = static_cast<char>(d.day);
    p[1] = static_cast<char>(d.month);
    writeI16(p + 2, static_cast<std::int16_t>(static_cast<std::uint16_t>(d.year)));
}

std::int64_t packedLimit(int size)
{
    std::int64_t limit = 1;
    for (int i = 0; i < 2 * size - 1; ++i) {
        limit *= 10;
    }
    return limit - 1;
}

std::int64_t readPacked(const char* p, int size)
{
    const auto* u = reinterpret_cast<const unsigned char*>(p);
    const bool negative = (u[0] >> 4) == 0xD;
    std::int64_t value = 0;
    for (int nibble = 1; nibble < 2 * size; ++nibble) {
        const unsigned char byte = u[nibble / 2];
        const int digit = (nibble % 2 == 0) ? (byte >> 4) : (byte & 0x0F);
        value = value * 10 + (digit > 9 ? 9 : digit);
    }
    return negative ? -value : value;
}

bool writePacked(char* p, int size, std::int64_t hundredths)
{
    const bool negative = hundredths < 0;
    std::uint64_t magnitude
        = negative ? std::uint64_t(0) - std::uint64_t(hundredths) : std::uint64_t(hundredths);
    if (magnitude > static_cast<std::uint64_t>(packedLimit(size))) {
        return false;
    }
    std::memset(p, 0, size);
    for (int nibble = 2 * size - 1; nibble >= 1; --nibble) {
        const auto digit = static_cast<unsigned char>(magnitude % 10);
        magnitude /= 10;
        auto& byte = reinterpret_cast<unsigned char&>(p[nibble / 2]);
        byte = static_cast<unsigned char>((nibble % 2 == 0) ? (byte | (digit << 4)) : (byte | digit));
    }
    if (negative && hundredths != 0) {
        auto& first = reinterpret_cast<unsigned char&>(p[0]);
        first = static_cast<unsigned char>(first | 0xD0);
    }
    return true;
}

QString formatHundredths(std::int64_t hundredths)
{
    const bool negative = hundredths < 0;
    const std::uint64_t m
        = negative ? std::uint64_t(0) - std::uint64_t(hundredths) : std::uint64_t(hundredths);
    return QStringLiteral("%1%2.%3")
        .arg(negative ? QStringLiteral("-") : QString())
        .arg(m / 100)
        .arg(m % 100, 2, 10, QLatin1Char('0'));
}

std::optional<std::int64_t> parseHundredths(const QString& text)
{
    QString t = text.trimmed();
    if (t.isEmpty()) {
        return 0;
    }
    bool negative = false;
    if (t.startsWith(QLatin1Char('-')) || t.startsWith(QLatin1Char('+'))) {
        negative = t.startsWith(QLatin1Char('-'));
        t = t.mid(1);
    }
    const qsizetype point = t.indexOf(QLatin1Char('.'));
    const QString whole = point < 0 ? t : t.left(point);
    const QString frac = point < 0 ? QString() : t.mid(point + 1);
    if ((whole.isEmpty() && frac.isEmpty()) || frac.size() > 2 || whole.size() > 15) {
        return std::nullopt;
    }
    for (const QChar c : whole + frac) {
        if (!c.isDigit() || c.unicode() > '9') {
            return std::nullopt;
        }
    }
    std::int64_t value = whole.isEmpty() ? 0 : whole.toLongLong() * 100;
    if (!frac.isEmpty()) {
        value += frac.size() == 1 ? frac.toLongLong() * 10 : frac.toLongLong();
    }
    return negative ? -value : value;
}

} // namespace codec
} // namespace kv

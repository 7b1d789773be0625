#include "data/cp1252.h"

#include <array>

namespace kv::cp1252 {
namespace {

// 0x80..0x9F; 0 marks the bytes the code page leaves undefined.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC,
    0,
    0x201A,
    0x0192,
    0x201E,
    0x2026,
    0x2020,
    0x2021,
    0x02C6,
    0x2030,
    0x0160,
    0x2039,
    0x0152,
    0,
    0x017D,
    0,
    0,
    0x2018,
    0x2019,
    0x201C,
    0x201D,
    0x2022,
    0x2013,
    0x2014,
    0x02DC,
    0x2122,
    0x0161,
    0x203A,
    0x0153,
    0,
    0x017E,
    0x0178,
};

} // namespace

char16_t toUnicode(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F) {
        const char16_t mapped = kHigh[byte - 0x80];
        return mapped != 0 ? mapped : char16_t(byte);
    }
    return char16_t(byte);
}

std::optional<unsigned char> fromUnicode(char16_t ch)
{
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF)) {
        return static_cast<unsigned char>(ch);
    }
    for (int i = 0; i < 32; ++i) {
        if (kHigh[i] == ch || (kHigh[i] == 0 && ch == 0x80 + i)) {
            return static_cast<unsigned char>(0x80 + i);
        }
    }
    return std::nullopt;
}

QString decode(const char* bytes, qsizetype length)
{
    QString out(length, Qt::Uninitialized);
    QChar* dst = out.data();
    for (qsizetype i = 0; i < length; ++i) {
        dst[i] = QChar(toUnicode(static_cast<unsigned char>(bytes[i])));
    }
    return out;
}

std::optional<QByteArray> encode(QStringView text, qsizetype* badIndex)
{
    QByteArray out(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const auto byte = fromUnicode(text[i].unicode());
        if (!byte) {
            if (badIndex) {
                *badIndex = i;
            }
            return std::nullopt;
        }
        out[i] = static_cast<char>(*byte);
    }
    return out;
}

QByteArray encodeLossy(QStringView text)
{
    QByteArray out(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        out[i] = static_cast<char>(fromUnicode(text[i].unicode()).value_or('?'));
    }
    return out;
}

unsigned char toUpper(unsigned char byte)
{
    if (byte >= 'a' && byte <= 'z') {
        return static_cast<unsigned char>(byte - 0x20);
    }
    if (byte >= 0xE0 && byte <= 0xFE && byte != 0xF7) {
        return static_cast<unsigned char>(byte - 0x20);
    }
    switch (byte) {
    case 0x9A:
        return 0x8A; // š
    case 0x9C:
        return 0x8C; // œ
    case 0x9E:
        return 0x8E; // ž
    case 0xFF:
        return 0x9F; // ÿ
    default:
        return byte;
    }
}

} // namespace kv::cp1252

namespace kv::cp1252 {

void toUtf8(const char* bytes, qsizetype length, std::string& out, bool trimTrailingSpaces)
{
    if (trimTrailingSpaces) {
        while (length > 0 && bytes[length - 1] == ' ') {
            --length;
        }
    }
    out.clear();
    out.reserve(static_cast<size_t>(length) * 2);
    for (qsizetype i = 0; i < length; ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b < 0x80) {
            out.push_back(static_cast<char>(b));
            continue;
        }
        const char16_t u = toUnicode(b);
        if (u < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (u >> 6)));
            out.push_back(static_cast<char>(0x80 | (u & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xE0 | (u >> 12)));
            out.push_back(static_cast<char>(0x80 | ((u >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (u & 0x3F)));
        }
    }
}

QByteArray fromUtf8(const char* utf8, qsizetype length)
{
    QByteArray out;
    out.reserve(length);
    const auto* s = reinterpret_cast<const unsigned char*>(utf8);
    qsizetype i = 0;
    while (i < length) {
        const unsigned char b = s[i];
        if (b < 0x80) {
            out.append(static_cast<char>(b));
            ++i;
            continue;
        }
        char32_t cp = 0;
        int extra = 0;
        if ((b & 0xE0) == 0xC0) {
            cp = b & 0x1F;
            extra = 1;
        } else if ((b & 0xF0) == 0xE0) {
            cp = b & 0x0F;
            extra = 2;
        } else if ((b & 0xF8) == 0xF0) {
            cp = b & 0x07;
            extra = 3;
        } else {
            out.append('?');
            ++i;
            continue;
        }
        bool ok = true;
        for (int k = 1; k <= extra; ++k) {
            if (i + k >= length || (s[i + k] & 0xC0) != 0x80) {
                ok = false;
                break;
            }
            cp = (cp << 6) | (s[i + k] & 0x3F);
        }
        if (!ok) {
            out.append('?');
            ++i;
            continue;
        }
        i += extra + 1;
        const auto byte = cp <= 0xFFFF ? fromUnicode(static_cast<char16_t>(cp)) : std::nullopt;
        out.append(static_cast<char>(byte.value_or('?')));
    }
    return out;
}

} // namespace kv::cp1252

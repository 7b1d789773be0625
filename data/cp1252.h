#pragma once

// Windows-1252, the character set of the record files. Conversion happens at
// the edges: the record buffers hold Windows-1252 bytes, everything shown or
// exchanged (SQLite columns, CSV, widgets) is Unicode.

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <optional>
#include <string>

namespace kv::cp1252 {

// The Unicode character for a byte. The five bytes Windows-1252 leaves
// undefined map to the C1 control of the same value, so every byte round-trips.
char16_t toUnicode(unsigned char byte);

// The byte for a Unicode character, or nothing when the character has none.
std::optional<unsigned char> fromUnicode(char16_t ch);

QString decode(const char* bytes, qsizetype length);
inline QString decode(const QByteArray& bytes)
{
    return decode(bytes.constData(), bytes.size());
}

// Encodes the whole text, or returns nothing when a character is outside
// Windows-1252. `badIndex` receives the index of the first such character.
std::optional<QByteArray> encode(QStringView text, qsizetype* badIndex = nullptr);

// Encodes, replacing characters outside the set with '?'. For values built
// by the program itself from data already stored, never for user input.
QByteArray encodeLossy(QStringView text);

// Capital of a Windows-1252 letter (a-z, the accented letters, š œ ž ÿ);
// any other byte is returned unchanged.
unsigned char toUpper(unsigned char byte);

} // namespace kv::cp1252

namespace kv::cp1252 {

// Direct conversions for the storage layer, without a QString in between.
// `toUtf8` drops trailing spaces (the padding of fixed texts).
void toUtf8(const char* bytes, qsizetype length, std::string& out, bool trimTrailingSpaces);
// Characters outside Windows-1252 (or bad UTF-8) become '?'.
QByteArray fromUtf8(const char* utf8, qsizetype length);

} // namespace kv::cp1252

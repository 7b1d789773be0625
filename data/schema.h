#pragma once

// Declarative description of a record file: its fields with their byte layout,
// its memos and its keys. Everything else in data/ (record buffers, the SQLite
// schema, key order, import and export) is generic over these tables.

#include <cstdint>
#include <span>
#include <string_view>

namespace kv {

enum class FieldType : std::uint8_t {
    Long, // 32-bit signed integer, little-endian
    Short, // 16-bit signed integer, little-endian
    Text, // N bytes of Windows-1252, padded on the right with spaces
    Date, // day (1 byte), month (1 byte), year (16-bit); all zero = no date
    Decimal, // signed packed decimal, N bytes, 2N-1 digits, two of them decimals
};

struct FieldDef {
    std::string_view label; // with prefix, e.g. "KVG:LOGRADO"
    FieldType type;
    int offset; // in the fixed part of the record
    int size; // bytes
};

struct MemoDef {
    std::string_view label; // e.g. "KVG:OBSPPI"
    int size; // at most this many characters (bytes of Windows-1252)
};

struct KeyComponent {
    int field; // index into FileDef::fields
    bool descending = false;
};

struct KeyDef {
    std::string_view label; // e.g. "KVG:CLAVE_PRIMARIA"
    std::span<const KeyComponent> components;
    bool unique = false;
    bool optional = true;
    bool caseInsensitive = false;
    bool primary = false;
    bool autoNumber = false; // numbered by the file manager on insert
};

struct FileDef {
    std::string_view label; // "KVSEGUIR"
    std::string_view fileName; // "KVSEGUIR.TPS"
    std::string_view prefix; // "KVG"
    int recordLength; // bytes of the fixed part
    std::span<const FieldDef> fields;
    std::span<const MemoDef> memos;
    std::span<const KeyDef> keys;

    int fieldIndex(std::string_view name) const; // -1 when unknown
    int memoIndex(std::string_view name) const; // -1 when unknown
    int keyIndex(std::string_view name) const; // -1 when unknown
};

// Strips the "PREFIX:" part of a label: "KVG:LOGRADO" -> "LOGRADO".
std::string_view bareName(std::string_view label);

} // namespace kv

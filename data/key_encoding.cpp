#include "data/key_encoding.h"

#include "data/cp1252.h"

namespace kv {
namespace {

int componentLength(const FieldDef& fd)
{
    switch (fd.type) {
    case FieldType::Long:
        return 4;
    case FieldType::Short:
        return 2;
    case FieldType::Date:
        return 4;
    case FieldType::Decimal:
        return 8;
    case FieldType::Text:
        return fd.size;
    }
    return 0;
}

void appendBigEndian(QByteArray& out, std::uint64_t v, int bytes)
{
    for (int i = bytes - 1; i >= 0; --i) {
        out.append(static_cast<char>((v >> (8 * i)) & 0xFF));
    }
}

void appendComponent(QByteArray& out, const Record& record, const KeyDef& key, const KeyComponent& c)
{
    const FieldDef& fd = record.def().fields[c.field];
    const qsizetype start = out.size();
    switch (fd.type) {
    case FieldType::Long:
        appendBigEndian(out, static_cast<std::uint32_t>(record.integer(c.field)) ^ 0x80000000u, 4);
        break;
    case FieldType::Short:
        appendBigEndian(out, (static_cast<std::uint32_t>(record.integer(c.field)) & 0xFFFFu) ^ 0x8000u, 2);
        break;
    case FieldType::Date: {
        const Date d = record.date(c.field);
        appendBigEndian(out, static_cast<std::uint16_t>(d.year), 2);
        out.append(static_cast<char>(d.month));
        out.append(static_cast<char>(d.day));
        break;
    }
    case FieldType::Decimal:
        appendBigEndian(out, static_cast<std::uint64_t>(record.decimal(c.field)) ^ 0x8000000000000000ull, 8);
        break;
    case FieldType::Text: {
        QByteArray text = record.rawText(c.field);
        if (key.caseInsensitive) {
            for (char& ch : text) {
                ch = static_cast<char>(cp1252::toUpper(static_cast<unsigned char>(ch)));
            }
        }
        out.append(text);
        break;
    }
    }
    if (c.descending) {
        for (qsizetype i = start; i < out.size(); ++i) {
            out[i] = static_cast<char>(~static_cast<unsigned char>(out[i]));
        }
    }
}

} // namespace

QByteArray keyPrefix(const Record& record, const KeyDef& key, int components)
{
    const int n = components < 0 ? static_cast<int>(key.components.size()) : components;
    QByteArray out;
    out.reserve(keyLength(record.def(), key, n));
    for (int i = 0; i < n; ++i) {
        appendComponent(out, record, key, key.components[i]);
    }
    return out;
}

QByteArray keyValue(const Record& record, const KeyDef& key)
{
    if (key.optional) {
        bool allEmpty = true;
        for (const KeyComponent& c : key.components) {
            if (!record.isFieldEmpty(c.field)) {
                allEmpty = false;
                break;
            }
        }
        if (allEmpty) {
            return {};
        }
    }
    return keyPrefix(record, key);
}

int keyLength(const FileDef& def, const KeyDef& key, int components)
{
    const int n = components < 0 ? static_cast<int>(key.components.size()) : components;
    int length = 0;
    for (int i = 0; i < n; ++i) {
        length += componentLength(def.fields[key.components[i].field]);
    }
    return length;
}

QByteArray prefixUpperBound(const QByteArray& prefix)
{
    QByteArray bound = prefix;
    while (!bound.isEmpty()) {
        auto last = static_cast<unsigned char>(bound.back());
        if (last != 0xFF) {
            bound.back() = static_cast<char>(last + 1);
            return bound;
        }
        bound.chop(1);
    }
    return {};
}

} // namespace kv

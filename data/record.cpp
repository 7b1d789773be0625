#include "data/record.h"

#include "data/cp1252.h"

#include <cassert>
#include <cstring>

namespace kv {

Record::Record(const FileDef& def)
    : def_(&def)
    , bytes_(def.recordLength, '\0')
    , memos_(def.memos.size())
{
    clear();
}

const char* Record::at(int field) const
{
    return bytes_.constData() + def_->fields[field].offset;
}
char* Record::at(int field)
{
    return bytes_.data() + def_->fields[field].offset;
}

void Record::clear()
{
    for (int f = 0; f < static_cast<int>(def_->fields.size()); ++f) {
        clearField(f);
    }
    for (auto& m : memos_) {
        m.clear();
    }
}

void Record::clearField(int field)
{
    const FieldDef& fd = def_->fields[field];
    std::memset(at(field), fd.type == FieldType::Text ? ' ' : '\0', fd.size);
}

bool Record::isFieldEmpty(int field) const
{
    const FieldDef& fd = def_->fields[field];
    const char* p = at(field);
    switch (fd.type) {
    case FieldType::Text:
        for (int i = 0; i < fd.size; ++i) {
            if (p[i] != ' ') {
                return false;
            }
        }
        return true;
    case FieldType::Decimal:
        return codec::readPacked(p, fd.size) == 0;
    default:
        for (int i = 0; i < fd.size; ++i) {
            if (p[i] != '\0') {
                return false;
            }
        }
        return true;
    }
}

std::int32_t Record::integer(int field) const
{
    const FieldDef& fd = def_->fields[field];
    assert(fd.type == FieldType::Long || fd.type == FieldType::Short);
    return fd.type == FieldType::Long ? codec::readI32(at(field)) : codec::readI16(at(field));
}

void Record::setInteger(int field, std::int32_t value)
{
    const FieldDef& fd = def_->fields[field];
    assert(fd.type == FieldType::Long || fd.type == FieldType::Short);
    if (fd.type == FieldType::Long) {
        codec::writeI32(at(field), value);
    } else {
        codec::writeI16(at(field), static_cast<std::int16_t>(value));
    }
}

QByteArray Record::rawText(int field) const
{
    const FieldDef& fd = def_->fields[field];
    assert(fd.type == FieldType::Text);
    return QByteArray(at(field), fd.size);
}

QString Record::text(int field) const
{
    const FieldDef& fd = def_->fields[field];
    assert(fd.type == FieldType::Text);
    const char* p = at(field);
    int n = fd.size;
    while (n > 0 && p[n - 1] == ' ') {
        --n;
    }
    return cp1252::decode(p, n);
}

void Record::setRawText(int field, const QByteArray& bytes)
{
    const FieldDef& fd = def_->fields[field];
    assert(fd.type == FieldType::Text);
    char* p = at(field);
    const int n = static_cast<int>(std::min<qsizetype>(bytes.size(), fd.size));
    std::memcpy(p, bytes.constData(), n);
    std::memset(p + n, ' ', fd.size - n);
}

bool Record::setText(int field, QStringView value)
{
    const FieldDef& fd = def_->fields[field];
    const auto encoded = cp1252::encode(value);
    if (!encoded) {
        return false;
    }
    // Trailing spaces are padding anyway.
    QByteArray bytes = *encoded;
    while (bytes.size() > fd.size && bytes.endsWith(' ')) {
        bytes.chop(1);
    }
    if (bytes.size() > fd.size) {
        return false;
    }
    setRawText(field, bytes);
    return true;
}

void Record::setTextCut(int field, QStringView value)
{
    setRawText(field, cp1252::encodeLossy(value.left(def_->fields[field].size)));
}

Date Record::date(int field) const
{
    assert(def_->fields[field].type == FieldType::Date);
    return codec::readDate(at(field));
}

void Record::setDate(int field, const Date& value)
{
    assert(def_->fields[field].type == FieldType::Date);
    codec::writeDate(at(field), value);
}

std::int64_t Record::decimal(int field) const
{
    const FieldDef& fd = def_->fields[field];
    assert(fd.type == FieldType::Decimal);
    return codec::readPacked(at(field), fd.size);
}

bool Record::setDecimal(int field, std::int64_t hundredths)
{
    const FieldDef& fd = def_->fields[field];
    assert(fd.type == FieldType::Decimal);
    if (hundredths > codec::packedLimit(fd.size) || hundredths < -codec::packedLimit(fd.size)) {
        return false;
    }
    return codec::writePacked(at(field), fd.size, hundredths);
}

QString Record::memo(int memo) const
{
    return cp1252::decode(memos_[memo]);
}

bool Record::setMemo(int memo, QStringView value)
{
    const auto encoded = cp1252::encode(value);
    if (!encoded || encoded->size() > def_->memos[memo].size) {
        return false;
    }
    memos_[memo] = *encoded;
    return true;
}

void Record::setMemoCut(int memo, QStringView value)
{
    memos_[memo] = cp1252::encodeLossy(value.left(def_->memos[memo].size));
}

void Record::setRawMemo(int memo, const QByteArray& bytes)
{
    memos_[memo] = bytes.left(def_->memos[memo].size);
}

} // namespace kv

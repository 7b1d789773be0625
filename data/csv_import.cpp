#include "data/csv_import.h"

#include "data/cp1252.h"
#include "data/csv.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <limits>

namespace kv::csv {
namespace {

QString labelText(std::string_view label)
{
    return QString::fromLatin1(label.data(), qsizetype(label.size()));
}

// Describes the character at `index` (a surrogate pair as one) that Windows-1252 lacks.
QString badCharacter(QStringView text, qsizetype index)
{
    const QChar c = text[index];
    const bool pair = c.isHighSurrogate() && index + 1 < text.size() && text[index + 1].isLowSurrogate();
    const char32_t code = pair ? QChar::surrogateToUcs4(c, text[index + 1]) : c.unicode();
    const QString hex
        = QString::number(static_cast<uint>(code), 16).toUpper().rightJustified(4, QLatin1Char('0'));
    return QStringLiteral("the character \"%1\" (U+%2) is not in Windows-1252")
        .arg(text.mid(index, pair ? 2 : 1).toString(), hex);
}

// Nothing when the value fits `size` bytes of Windows-1252, else the reason.
std::optional<QString> checkStorable(QStringView value, int size)
{
    qsizetype bad = -1;
    const auto bytes = cp1252::encode(value, &bad);
    if (!bytes) {
        return badCharacter(value, bad);
    }
    if (bytes->size() > size) {
        return QStringLiteral("too long (%1 characters, at most %2)").arg(bytes->size()).arg(size);
    }
    return std::nullopt;
}

std::optional<QString> parseWhole(
    const QString& raw, std::int64_t low, std::int64_t high, std::int64_t& value)
{
    const QString t = raw.trimmed();
    if (t.isEmpty()) {
        value = 0;
        return std::nullopt;
    }
    const qsizetype first = (t[0] == QLatin1Char('-') || t[0] == QLatin1Char('+')) ? 1 : 0;
    if (first == t.size()) {
        return QStringLiteral("\"%1\" is not a whole number").arg(raw);
    }
    for (qsizetype i = first; i < t.size(); ++i) {
        if (t[i] < QLatin1Char('0') || t[i] > QLatin1Char('9')) {
            return QStringLiteral("\"%1\" is not a whole number").arg(raw);
        }
    }
    bool ok = false;
    value = t.toLongLong(&ok);
    if (!ok || value < low || value > high) {
        return QStringLiteral("%1 is out of range (%2 to %3)").arg(t).arg(low).arg(high);
    }
    return std::nullopt;
}

std::optional<QString> parseDecimal(const QString& raw, int size, std::int64_t& hundredths)
{
    const auto parsed = codec::parseHundredths(raw);
    if (!parsed) {
        const QString t = raw.trimmed();
        const qsizetype point = t.indexOf(QLatin1Char('.'));
        if (point >= 0 && t.size() - point - 1 > 2) {
            return QStringLiteral("\"%1\" has more than two decimals").arg(raw);
        }
        return QStringLiteral("\"%1\" is not a decimal number").arg(raw);
    }
    const std::int64_t limit = codec::packedLimit(size);
    if (*parsed > limit || *parsed < -limit) {
        return QStringLiteral("%1 has too many digits (at most %2)")
            .arg(raw.trimmed(), codec::formatHundredths(limit));
    }
    hundredths = *parsed;
    return std::nullopt;
}

FieldError duplicateError(FileManager& file)
{
    const FileDef& def = file.def();
    const int k = file.duplicateKey();
    QStringList fields;
    QString keyLabel;
    if (k >= 0) {
        keyLabel = labelText(def.keys[k].label);
        for (const KeyComponent& c : def.keys[k].components) {
            fields << labelText(def.fields[c.field].label);
        }
    }
    const Message m = ErrorService::build(Msg::DuplicateKey, {file.name(), keyLabel, file.lastErrorText()});
    return {fields.join(QLatin1Char('+')), m.title + QStringLiteral(": ") + m.text};
}

// Ends a batch that failed; a file that the import itself created is removed again.
void undo(FileManager& file, bool existed)
{
    file.abandonBatch();
    if (!existed) {
        file.close();
        QFile::remove(file.path());
    }
}

ImportResult failure(QString text)
{
    return {0, std::move(text)};
}

ImportResult failure(const SyntaxError& e)
{
    return failure(describe(e.line, {{}, e.reason}));
}

} // namespace

QString describe(int line, const FieldError& error)
{
    if (error.field.isEmpty()) {
        return QStringLiteral("line %1: %2").arg(line).arg(error.reason);
    }
    return QStringLiteral("line %1, field %2: %3").arg(line).arg(error.field, error.reason);
}

std::optional<QString> setFieldFromText(Record& record, int field, const QString& text)
{
    const FieldDef& fd = record.def().fields[field];
    switch (fd.type) {
    case FieldType::Long:
    case FieldType::Short: {
        using L32 = std::numeric_limits<std::int32_t>;
        using L16 = std::numeric_limits<std::int16_t>;
        const bool wide = fd.type == FieldType::Long;
        std::int64_t value = 0;
        if (auto e
            = parseWhole(text, wide ? L32::min() : L16::min(), wide ? L32::max() : L16::max(), value)) {
            return e;
        }
        record.setInteger(field, static_cast<std::int32_t>(value));
        return std::nullopt;
    }
    case FieldType::Text: {
        // Trailing spaces are the field's padding: they do not count.
        QStringView value(text);
        while (value.endsWith(QLatin1Char(' '))) {
            value.chop(1);
        }
        if (auto e = checkStorable(value, fd.size)) {
            return e;
        }
        record.setText(field, value);
        return std::nullopt;
    }
    case FieldType::Date: {
        const auto date = Date::fromIso(text);
        if (!date) {
            return QStringLiteral("\"%1\" is not a date as YYYY-MM-DD").arg(text);
        }
        record.setDate(field, *date);
        return std::nullopt;
    }
    case FieldType::Decimal: {
        std::int64_t hundredths = 0;
        if (auto e = parseDecimal(text, fd.size, hundredths)) {
            return e;
        }
        record.setDecimal(field, hundredths);
        return std::nullopt;
    }
    }
    return QStringLiteral("unknown field type");
}

std::optional<QString> setMemoFromText(Record& record, int memo, const QString& text)
{
    if (auto e = checkStorable(text, record.def().memos[memo].size)) {
        return e;
    }
    record.setMemo(memo, text);
    return std::nullopt;
}

std::optional<ColumnMap> ColumnMap::fromHeader(
    const FileDef& def, const std::vector<QString>& header, FieldError* error)
{
    ColumnMap map(def);
    for (const QString& cell : header) {
        const QString label = cell.trimmed();
        const std::string key = label.toUpper().toStdString();
        Column column;
        if (const int f = def.fieldIndex(key); f >= 0) {
            column = {false, f};
        } else if (const int m = def.memoIndex(key); m >= 0) {
            column = {true, m};
        } else {
            *error = {label, QStringLiteral("%1 has no such field").arg(labelText(def.label))};
            return std::nullopt;
        }
        for (const Column& seen : map.columns_) {
            if (seen.memo == column.memo && seen.index == column.index) {
                *error = {label, QStringLiteral("the column appears twice")};
                return std::nullopt;
            }
        }
        map.columns_.push_back(column);
    }
    return map;
}

std::optional<FieldError> ColumnMap::fill(const std::vector<QString>& cells, Record& record) const
{
    record.clear();
    for (std::size_t i = 0; i < columns_.size(); ++i) {
        const Column& c = columns_[i];
        const auto e = c.memo ? setMemoFromText(record, c.index, cells[i])
                              : setFieldFromText(record, c.index, cells[i]);
        if (e) {
            const auto label = c.memo ? def_->memos[c.index].label : def_->fields[c.index].label;
            return FieldError {labelText(label), *e};
        }
    }
    return std::nullopt;
}

ImportResult importCsv(FileManager& file, const QByteArray& utf8)
{
    int badLine = 0;
    const auto text = decodeUtf8(utf8, &badLine);
    if (!text) {
        return failure(describe(badLine, {{}, QStringLiteral("the text is not UTF-8")}));
    }
    Reader reader(*text);
    Row row;
    if (!reader.next(row)) {
        return reader.error() ? failure(*reader.error())
                              : failure(QStringLiteral("the file has no header row"));
    }
    FieldError error;
    const auto columns = ColumnMap::fromHeader(file.def(), row.cells, &error);
    if (!columns) {
        return failure(describe(row.line, error));
    }

    const bool existed = file.isOpen() || QFileInfo::exists(file.path());
    if (!file.beginBatch()) {
        return failure(QStringLiteral("%1 cannot be written: %2").arg(file.name(), file.lastErrorText()));
    }
    std::int64_t count = 0;
    while (reader.next(row)) {
        std::optional<FieldError> refused;
        if (row.cells.size() != columns->size()) {
            const auto cells = row.cells.size();
            refused = FieldError {{},
                QStringLiteral("the row has %1 %2 where the header has %3")
                    .arg(cells)
                    .arg(cells == 1 ? QStringLiteral("cell") : QStringLiteral("cells"))
                    .arg(columns->size())};
        } else {
            refused = columns->fill(row.cells, file.buffer());
        }
        if (!refused) {
            const Status s = file.tryInsert();
            if (s == Status::Duplicate) {
                refused = duplicateError(file);
            } else if (s != Status::Ok) {
                refused = FieldError {
                    {}, QStringLiteral("the record was not added: %1").arg(file.lastErrorText())};
            }
        }
        if (refused) {
            undo(file, existed);
            return failure(describe(row.line, *refused));
        }
        ++count;
    }
    if (reader.error()) {
        undo(file, existed);
        return failure(*reader.error());
    }
    if (!file.endBatch()) {
        const QString reason = file.lastErrorText();
        undo(file, existed);
        return failure(QStringLiteral("the records were not saved: %1").arg(reason));
    }
    return {count, std::nullopt};
}

} // namespace kv::csv

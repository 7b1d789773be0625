#include "data/csv_export.h"

#include "data/csv.h"
#include "data/key_reader.h"

#include <QFileInfo>

namespace kv::csv {
namespace {

constexpr int kPageSize = 500;

ExportResult writeFailed(std::int64_t count)
{
    return {count, QStringLiteral("the output cannot be written")};
}

ExportResult readFailed(const FileManager& file, std::int64_t count)
{
    return {count, QStringLiteral("%1 cannot be read: %2").arg(file.name(), file.lastErrorText())};
}

ExportResult exportInKeyOrder(FileManager& file, int key, const ByteSink& sink)
{
    KeyReader reader(file, key);
    std::optional<KeyAnchor> anchor;
    std::int64_t count = 0;
    for (;;) {
        int rows = 0;
        bool written = true;
        const Status s = reader.read(
            Direction::Forward, anchor, kPageSize, [&](const KeyAnchor& row, const Record& record) {
                anchor = row;
                ++rows;
                written = sink(formatRow(recordCells(record)));
                return written;
            });
        if (s != Status::Ok) {
            return readFailed(file, count);
        }
        if (!written) {
            return writeFailed(count);
        }
        count += rows;
        if (rows < kPageSize) {
            return {count, std::nullopt};
        }
    }
}

ExportResult exportInRecordOrder(FileManager& file, const ByteSink& sink)
{
    std::int64_t count = 0;
    file.setRecordOrder();
    for (;;) {
        const Status s = file.nextInRecordOrder();
        if (s == Status::NoRecord) {
            return {count, std::nullopt};
        }
        if (s != Status::Ok) {
            return readFailed(file, count);
        }
        if (!sink(formatRow(recordCells(file.buffer())))) {
            return writeFailed(count);
        }
        ++count;
    }
}

} // namespace

std::vector<QString> headerCells(const FileDef& def)
{
    std::vector<QString> cells;
    for (const FieldDef& f : def.fields) {
        cells.push_back(QString::fromLatin1(f.label.data(), qsizetype(f.label.size())));
    }
    for (const MemoDef& m : def.memos) {
        cells.push_back(QString::fromLatin1(m.label.data(), qsizetype(m.label.size())));
    }
    return cells;
}

QString fieldText(const Record& record, int field)
{
    switch (record.def().fields[field].type) {
    case FieldType::Long:
    case FieldType::Short:
        return QString::number(record.integer(field));
    case FieldType::Text:
        return record.text(field);
    case FieldType::Date:
        return record.date(field).toIso();
    case FieldType::Decimal:
        return codec::formatHundredths(record.decimal(field));
    }
    return {};
}

std::vector<QString> recordCells(const Record& record)
{
    std::vector<QString> cells;
    const auto fieldCount = static_cast<int>(record.def().fields.size());
    const auto memoCount = static_cast<int>(record.def().memos.size());
    for (int f = 0; f < fieldCount; ++f) {
        cells.push_back(fieldText(record, f));
    }
    for (int m = 0; m < memoCount; ++m) {
        cells.push_back(record.memo(m));
    }
    return cells;
}

ExportResult exportCsv(FileManager& file, std::optional<int> key, const ByteSink& sink)
{
    if (!sink(formatRow(headerCells(file.def())))) {
        return writeFailed(0);
    }
    if (!file.isOpen() && !QFileInfo::exists(file.path())) {
        return {0, std::nullopt};
    }
    if (!file.open()) {
        return readFailed(file, 0);
    }
    return key ? exportInKeyOrder(file, *key, sink) : exportInRecordOrder(file, sink);
}

} // namespace kv::csv

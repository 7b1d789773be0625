#pragma once

// The rows of a list: one file read in the order of one key, limited to a
// range (the key's leading components equal those of a probe record filled
// at read time from other buffers) and/or a filter, a page at a time as the
// view asks for more. Each row keeps the record as read and its position.

#include "data/file_manager.h"
#include "data/key_reader.h"
#include "shell/list_format.h"
#include "shell/picture.h"

#include <QAbstractTableModel>
#include <functional>
#include <optional>
#include <vector>

namespace kv {

// What one column shows: a field or a memo of the file, through its format.
struct BrowseColumn {
    int field = -1;
    int memo = -1;
    ListColumnFormat format;
    Picture picture;
};

// Columns from a format string, in order, for the given fields/memos;
// `sources` holds for each column a field label or a memo label.
std::vector<BrowseColumn> browseColumns(
    const FileDef& def, const QString& format, const QStringList& sources);

class BrowseModel : public QAbstractTableModel {
    Q_OBJECT
public:
    BrowseModel(FileManager& file, int key, std::vector<BrowseColumn> columns, QObject* parent = nullptr);

    FileManager& file() const { return file_; }
    const std::vector<BrowseColumn>& columns() const { return columns_; }

    // The range: `fill` sets the components in a probe record of the file,
    // at each read; the first `components` components of the key are fixed.
    void setRange(std::function<void(Record& probe)> fill, int components);
    void setFilter(std::function<bool(const Record&)> accept);

    // Reads from the start of the range. With `keep`, reads on until the
    // record at that position is among the rows (or the range ends).
    void reload(std::optional<std::int64_t> keep = std::nullopt);
    // Whether the range value now differs from the one last read.
    bool rangeChanged() const;

    const Record& record(int row) const { return rows_[row].record; }
    std::int64_t position(int row) const { return rows_[row].anchor.position; }
    int rowOfPosition(std::int64_t position) const;
    // Loads every remaining row of the range (End key, locator).
    void fetchAll();

    // While a row is edited in place, the view shows the edited values.
    void setEditedRecord(int row, const Record* record);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

    QString cellText(const Record& record, int column) const;

    static constexpr int kPage = 40;

private:
    struct Row {
        KeyAnchor anchor;
        Record record;
    };
    QByteArray rangeValue() const;
    // Reads up to `wanted` more rows that pass the filter; false at the end.
    void readMore(int wanted);

    FileManager& file_;
    KeyReader reader_;
    std::vector<BrowseColumn> columns_;
    std::function<void(Record&)> fillRange_;
    int rangeComponents_ = 0;
    std::function<bool(const Record&)> filter_;
    QByteArray lastRange_;
    std::optional<KeyAnchor> lastAnchor_; // last record read, filtered out or not
    std::vector<Row> rows_;
    bool atEnd_ = true;
    int editedRow_ = -1;
    const Record* edited_ = nullptr;
};

} // namespace kv

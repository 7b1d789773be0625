#include "shell/browse_model.h"

#include "data/key_encoding.h"

#include <QBrush>

namespace kv {

std::vector<BrowseColumn> browseColumns(const FileDef& def, const QString& format, const QStringList& sources)
{
    const std::vector<ListColumnFormat> formats = parseListFormat(format);
    std::vector<BrowseColumn> out;
    for (int i = 0; i < static_cast<int>(formats.size()) && i < sources.size(); ++i) {
        BrowseColumn c;
        const QByteArray label = sources[i].toLatin1();
        c.field = def.fieldIndex(std::string_view(label.constData(), label.size()));
        if (c.field < 0) {
            c.memo = def.memoIndex(std::string_view(label.constData(), label.size()));
        }
        c.format = formats[i];
        c.picture = Picture::parse(formats[i].picture);
        out.push_back(c);
    }
    return out;
}

BrowseModel::BrowseModel(FileManager& file, int key, std::vector<BrowseColumn> columns, QObject* parent)
    : QAbstractTableModel(parent)
    , file_(file)
    , reader_(file, key)
    , columns_(std::move(columns))
{
}

void BrowseModel::setRange(std::function<void(Record&)> fill, int components)
{
    fillRange_ = std::move(fill);
    rangeComponents_ = components;
}

void BrowseModel::setFilter(std::function<bool(const Record&)> accept)
{
    filter_ = std::move(accept);
}

QByteArray BrowseModel::rangeValue() const
{
    if (!fillRange_ || rangeComponents_ == 0) {
        return {};
    }
    Record probe(file_.def());
    fillRange_(probe);
    return keyPrefix(probe, file_.def().keys[reader_.key()], rangeComponents_);
}

bool BrowseModel::rangeChanged() const
{
    return rangeValue() != lastRange_;
}

void BrowseModel::reload(std::optional<std::int64_t> keep)
{
    beginResetModel();
    rows_.clear();
    lastAnchor_.reset();
    editedRow_ = -1;
    edited_ = nullptr;
    lastRange_ = rangeValue();
    if (lastRange_.isEmpty()) {
        reader_.clearRange();
    } else {
        reader_.setRange(lastRange_, prefixUpperBound(lastRange_));
    }
    atEnd_ = false;
    readMore(kPage);
    while (keep && !atEnd_ && rowOfPosition(*keep) < 0) {
        readMore(kPage);
    }
    endResetModel();
}

void BrowseModel::readMore(int wanted)
{
    int accepted = 0;
    while (!atEnd_ && accepted < wanted) {
        const std::optional<KeyAnchor> from = lastAnchor_;
        int got = 0;
        const Status s
            = reader_.read(Direction::Forward, from, kPage, [&](const KeyAnchor& row, const Record& r) {
                  ++got;
                  lastAnchor_ = row;
                  if (!filter_ || filter_(r)) {
                      rows_.push_back({row, r});
                      ++accepted;
                  }
                  return true;
              });
        if (s != Status::Ok || got < kPage) {
            atEnd_ = true;
        }
    }
}

int BrowseModel::rowOfPosition(std::int64_t position) const
{
    for (int i = 0; i < static_cast<int>(rows_.size()); ++i) {
        if (rows_[i].anchor.position == position) {
            return i;
        }
    }
    return -1;
}

void BrowseModel::fetchAll()
{
    while (!atEnd_) {
        fetchMore({});
    }
}

void BrowseModel::setEditedRecord(int row, const Record* record)
{
    const int old = editedRow_;
    editedRow_ = record ? row : -1;
    edited_ = record;
    if (old >= 0 && old < rowCount()) {
        emit dataChanged(index(old, 0), index(old, columnCount() - 1));
    }
    if (editedRow_ >= 0) {
        emit dataChanged(index(editedRow_, 0), index(editedRow_, columnCount() - 1));
    }
}

int BrowseModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int BrowseModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QString BrowseModel::cellText(const Record& record, int column) const
{
    const BrowseColumn& c = columns_[column];
    if (c.field >= 0) {
        return formatField(record, c.field, c.picture);
    }
    if (c.memo >= 0) {
        return formatMemo(record, c.memo, c.picture);
    }
    return {};
}

QVariant BrowseModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const ListColumnFormat& f = columns_[index.column()].format;
    switch (role) {
    case Qt::DisplayRole: {
        const Record& r = (index.row() == editedRow_ && edited_) ? *edited_ : rows_[index.row()].record;
        return cellText(r, index.column());
    }
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(f.align | Qt::AlignVCenter);
    case Qt::BackgroundRole:
        return f.background ? QVariant(QBrush(*f.background)) : QVariant();
    case Qt::ForegroundRole:
        return f.text ? QVariant(QBrush(*f.text)) : QVariant();
    default:
        return {};
    }
}

QVariant BrowseModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section >= columnCount()) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return columns_[section].format.header;
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(columns_[section].format.headerAlign | Qt::AlignVCenter);
    }
    return {};
}

bool BrowseModel::canFetchMore(const QModelIndex& parent) const
{
    return !parent.isValid() && !atEnd_;
}

void BrowseModel::fetchMore(const QModelIndex& parent)
{
    if (parent.isValid() || atEnd_) {
        return;
    }
    const int before = rowCount();
    readMore(kPage);
    const int after = rowCount();
    if (after > before) {
        // The rows are already in place; tell the view about them.
        std::vector<Row> added(
            std::make_move_iterator(rows_.begin() + before), std::make_move_iterator(rows_.end()));
        rows_.erase(rows_.begin() + before, rows_.end());
        beginInsertRows({}, before, after - 1);
        for (Row& r : added) {
            rows_.push_back(std::move(r));
        }
        endInsertRows();
    }
}

} // namespace kv

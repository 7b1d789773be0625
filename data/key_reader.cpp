#include "data/key_reader.h"

#include "data/key_encoding.h"
#include "data/row_codec.h"
#include "data/table_schema.h"

namespace kv {
namespace {

constexpr int kPage = 500;

// Steps through a bound statement, decoding the data columns from
// `firstData` on into `scratch` and handing each row to `onRow`.
template <class OnRow>
Status stepRows(FileManager& file, sql::Statement& stmt, int firstData, Record& scratch, OnRow&& onRow)
{
    int rc;
    while ((rc = stmt.step()) == SQLITE_ROW) {
        rowcodec::read(stmt, firstData, scratch);
        if (!onRow(stmt)) {
            return Status::Ok;
        }
    }
    if (rc != SQLITE_DONE) {
        file.reportReadError();
        return Status::Error;
    }
    return Status::Ok;
}

// Reads page after page until a page comes back short or the sink stops.
// `readPage(limit, counted)` reads one page; its sink reports each row
// through `counted(keepGoing)`.
template <class ReadPage> Status pageThrough(ReadPage&& readPage)
{
    for (;;) {
        int got = 0;
        bool stopped = false;
        const std::function<bool(bool)> counted = [&](bool keepGoing) {
            ++got;
            stopped = !keepGoing;
            return keepGoing;
        };
        const Status s = readPage(kPage, counted);
        if (s != Status::Ok || stopped || got < kPage) {
            return s;
        }
    }
}

} // namespace

KeyReader::KeyReader(FileManager& file, int key)
    : file_(file)
    , key_(key)
    , scratch_(file.def())
{
}

void KeyReader::setRange(QByteArray low, QByteArray high)
{
    low_ = std::move(low);
    high_ = std::move(high);
}

void KeyReader::setPrefixRange(const Record& from, int components)
{
    if (components <= 0) {
        clearRange();
        return;
    }
    QByteArray prefix = keyPrefix(from, file_.def().keys[key_], components);
    high_ = prefixUpperBound(prefix);
    low_ = std::move(prefix);
}

QByteArray KeyReader::valueOf(const Record& record) const
{
    return keyValue(record, file_.def().keys[key_]);
}

Status KeyReader::read(
    Direction direction, const std::optional<KeyAnchor>& anchor, int limit, const Sink& sink)
{
    sql::Database* db = file_.database();
    if (!db) {
        return Status::Error;
    }
    const FileDef& def = file_.def();
    const KeyDef& key = def.keys[key_];
    const std::string k = schema::keyColumn(key);
    const bool forward = direction == Direction::Forward;

    std::string where;
    auto add = [&where](const std::string& cond) { where += (where.empty() ? " WHERE " : " AND ") + cond; };
    if (key.optional) {
        add(k + " IS NOT NULL");
    }
    if (!low_.isNull()) {
        add(k + " >= ?1");
    }
    if (!high_.isNull()) {
        add(k + " < ?2");
    }
    if (anchor) {
        add("(" + k + ", pos) " + (forward ? ">" : "<") + " (?3, ?4)");
    }
    const std::string order = forward ? " ORDER BY " + k + ", pos" : " ORDER BY " + k + " DESC, pos DESC";
    const std::string sql = "SELECT pos, " + k + ", " + schema::dataColumns(def) + " FROM "
        + schema::table(def) + where + order + " LIMIT ?5";

    sql::Statement* stmt = db->cached(sql);
    if (!stmt) {
        file_.reportReadError();
        return Status::Error;
    }
    sql::StatementUse use(*stmt);
    if (!low_.isNull()) {
        use->bindBlob(1, low_);
    }
    if (!high_.isNull()) {
        use->bindBlob(2, high_);
    }
    if (anchor) {
        use->bindBlob(3, anchor->value.isNull() ? QByteArray("") : anchor->value);
        use->bindInt(4, anchor->position);
    }
    use->bindInt(5, limit);

    return stepRows(file_, *use, 2, scratch_, [&](const sql::Statement& row) {
        return sink(KeyAnchor {row.columnBlob(1), row.columnInt(0)}, scratch_);
    });
}

Status KeyReader::forEach(const Sink& sink)
{
    std::optional<KeyAnchor> anchor;
    return pageThrough([&](int limit, const std::function<bool(bool)>& counted) {
        return read(Direction::Forward, anchor, limit, [&](const KeyAnchor& row, const Record& record) {
            anchor = row;
            return counted(sink(row, record));
        });
    });
}

} // namespace kv

namespace kv {

RecordOrderReader::RecordOrderReader(FileManager& file)
    : file_(file)
    , scratch_(file.def())
{
}

Status RecordOrderReader::read(std::int64_t after, int limit, const Sink& sink)
{
    sql::Database* db = file_.database();
    if (!db) {
        return Status::Error;
    }
    const FileDef& def = file_.def();
    sql::Statement* stmt = db->cached("SELECT pos, " + schema::dataColumns(def) + " FROM "
        + schema::table(def) + " WHERE pos > ?1 ORDER BY pos LIMIT ?2");
    if (!stmt) {
        file_.reportReadError();
        return Status::Error;
    }
    sql::StatementUse use(*stmt);
    use->bindInt(1, after);
    use->bindInt(2, limit);
    return stepRows(file_, *use, 1, scratch_,
        [&](const sql::Statement& row) { return sink(row.columnInt(0), scratch_); });
}

Status RecordOrderReader::forEach(const Sink& sink)
{
    std::int64_t after = 0;
    return pageThrough([&](int limit, const std::function<bool(bool)>& counted) {
        return read(after, limit, [&](std::int64_t position, const Record& record) {
            after = position;
            return counted(sink(position, record));
        });
    });
}

} // namespace kv

#include "data/file_manager.h"

#include "data/file_manager_internal.h"
#include "data/key_encoding.h"
#include "data/key_reader.h"
#include "data/row_codec.h"
#include "data/table_schema.h"

#include <QDir>

namespace kv {

using namespace detail;

FileManager::FileManager(const FileDef& def, Record& buffer, ErrorService& errors, QString directory)
    : def_(def)
    , buffer_(buffer)
    , errors_(errors)
    , directory_(std::move(directory))
    , sqlText_(schema::statements(def))
    , snapshot_(def)
{
}

FileManager::~FileManager()
{
    if (batchDepth_ > 0 && db_) {
        db_.exec("ROLLBACK");
    }
}

QString FileManager::name() const
{
    return QString::fromLatin1(def_.fileName.data(), def_.fileName.size());
}

QString FileManager::path() const
{
    return QDir(directory_).filePath(name());
}

bool FileManager::fail(const QString& text)
{
    lastError_ = text;
    return false;
}

void FileManager::reportReadError()
{
    lastError_ = db_ ? db_.errorText() : lastError_;
    errors_.throwMessage(Msg::RetrievalFailed, {name(), {}, lastError_});
}

void FileManager::adopt(std::int64_t position, const Record& asRead)
{
    current_ = position;
    snapshot_ = asRead;
}

Status FileManager::readOne(sql::Statement& stmt)
{
    const int rc = stmt.step();
    if (rc == SQLITE_ROW) {
        rowcodec::read(stmt, 1, buffer_);
        adopt(stmt.columnInt(0), buffer_);
        return Status::Ok;
    }
    if (rc == SQLITE_DONE) {
        return Status::NoRecord;
    }
    reportReadError();
    return Status::Error;
}

Status FileManager::fetch(int key)
{
    if (!open()) {
        return Status::Error;
    }
    const KeyDef& kd = def_.keys[key];
    const QByteArray value = keyValue(buffer_, kd);
    Status s = Status::NoRecord;
    if (!value.isNull()) {
        sql::Statement* stmt = db_.cached(sqlText_.fetchByKey[key]);
        if (!stmt) {
            reportReadError();
            return Status::Error;
        }
        sql::StatementUse use(*stmt);
        use->bindBlob(1, value);
        s = readOne(*use);
    }
    if (s == Status::NoRecord) {
        buffer_.clear();
    }
    return s;
}

Status FileManager::reget(std::int64_t position)
{
    if (!open()) {
        return Status::Error;
    }
    sql::Statement* stmt = db_.cached(sqlText_.selectByPos);
    if (!stmt) {
        reportReadError();
        return Status::Error;
    }
    sql::StatementUse use(*stmt);
    use->bindInt(1, position);
    return readOne(*use);
}

void FileManager::setOrder(int key, int fixedComponents)
{
    orderKey_ = key;
    anchor_.reset();
    if (fixedComponents > 0) {
        rangeLow_ = keyPrefix(buffer_, def_.keys[key], fixedComponents);
        rangeHigh_ = prefixUpperBound(rangeLow_);
    } else {
        rangeLow_ = QByteArray();
        rangeHigh_ = QByteArray();
    }
}

Status FileManager::next()
{
    return step(Direction::Forward);
}

Status FileManager::previous()
{
    return step(Direction::Backward);
}

Status FileManager::step(Direction direction)
{
    if (orderKey_ < 0) {
        return Status::NoRecord;
    }
    KeyReader reader(*this, orderKey_);
    reader.setRange(rangeLow_, rangeHigh_);
    Status found = Status::NoRecord;
    const Status s = reader.read(direction, anchor_, 1, [&](const KeyAnchor& row, const Record& rec) {
        buffer_ = rec;
        adopt(row.position, rec);
        anchor_ = row;
        found = Status::Ok;
        return true;
    });
    return s == Status::Ok ? found : s;
}

int FileManager::duplicateKeyIndex() const
{
    // SQLite names the column: "UNIQUE constraint failed: KVALUAP.k_CLAVE_DNI".
    const QString text = db_.errorText();
    for (int i = 0; i < static_cast<int>(def_.keys.size()); ++i) {
        const QString column
            = QStringLiteral(".k_") + QString::fromLatin1(bareName(def_.keys[i].label).data());
        if (text.endsWith(column) || text.contains(column + QLatin1Char(','))) {
            return i;
        }
    }
    return -1;
}

void FileManager::setRecordOrder()
{
    scanPos_ = 0;
}

Status FileManager::nextInRecordOrder()
{
    if (!open()) {
        return Status::Error;
    }
    sql::Statement* stmt = db_.cached(sqlText_.selectAfterPos);
    if (!stmt) {
        reportReadError();
        return Status::Error;
    }
    sql::StatementUse use(*stmt);
    use->bindInt(1, scanPos_);
    const Status s = readOne(*use);
    if (s == Status::Ok) {
        scanPos_ = current_;
    }
    return s;
}

std::int64_t FileManager::recordCount()
{
    if (!open()) {
        return 0;
    }
    sql::Statement* stmt = db_.cached(sqlText_.count);
    if (!stmt) {
        return 0;
    }
    sql::StatementUse use(*stmt);
    return use->step() == SQLITE_ROW ? use->columnInt(0) : 0;
}

} // namespace kv

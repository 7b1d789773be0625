#include "data/file_manager.h"

#include "data/key_encoding.h"
#include "data/key_reader.h"
#include "data/row_codec.h"
#include "data/table_schema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <set>

namespace kv {
namespace {

constexpr int kBusyWaitMs = 10 * 1000; // lock recovery: wait up to ten seconds for a lock to clear
constexpr int kCacheKb = 16 * 1024;
constexpr int kBatchCacheKb = 64 * 1024;
constexpr int kAutoNumberAttempts = 3;

std::string pragma(const char* name, long long value)
{
    return std::string("PRAGMA ") + name + "=" + std::to_string(value);
}

} // namespace

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

void FileManager::configure(sql::Database& db)
{
    sqlite3_busy_timeout(db.get(), kBusyWaitMs);
    db.exec(pragma("cache_size", -kCacheKb));
}

sql::Database* FileManager::database()
{
    return open() ? &db_ : nullptr;
}

bool FileManager::open()
{
    if (db_) {
        return true;
    }
    const QString p = path();
    if (!QFileInfo::exists(p)) {
        return create();
    }
    const QByteArray native = QFile::encodeName(p);
    readOnly_ = false;
    sqlite3* raw = nullptr;
    int rc = sqlite3_open_v2(native.constData(), &raw, SQLITE_OPEN_READWRITE, nullptr);
    sql::Database db(raw);
    if (rc != SQLITE_OK || sqlite3_db_readonly(db.get(), "main") == 1) {
        if (rc != SQLITE_OK) {
            db.close();
            raw = nullptr;
            rc = sqlite3_open_v2(native.constData(), &raw, SQLITE_OPEN_READONLY, nullptr);
            db = sql::Database(raw);
            if (rc != SQLITE_OK) {
                lastError_ = db.errorText();
                errors_.throwMessage(Msg::OpenFailed, {name(), {}, lastError_});
                return false;
            }
        }
        readOnly_ = true;
        errors_.throwMessage(Msg::AccessDenied, {name(), {}, {}});
    }
    configure(db);
    if (!verifyAndRepair(db)) {
        return false;
    }
    db_ = std::move(db);
    return true;
}

bool FileManager::create()
{
    const QString p = path();
    const QByteArray native = QFile::encodeName(p);
    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(native.constData(), &raw,
        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_EXCLUSIVE, nullptr);
    sql::Database db(raw);
    bool ok = rc == SQLITE_OK;
    if (ok) {
        configure(db);
        sql::Transaction tx(db);
        ok = tx.ok() && db.exec(schema::createTableSql(def_));
        for (const KeyDef& key : def_.keys) {
            ok = ok && db.exec(schema::createIndexSql(def_, key));
        }
        ok = ok && db.exec(pragma("application_id", schema::kApplicationId))
            && db.exec(pragma("user_version", schema::layoutVersion(def_))) && tx.commit();
    }
    if (!ok) {
        lastError_ = db ? db.errorText() : QStringLiteral("cannot create the file");
        db.close();
        QFile::remove(p);
        errors_.throwMessage(Msg::CreateFailed, {name(), {}, lastError_});
        return false;
    }
    readOnly_ = false;
    db_ = std::move(db);
    return true;
}

bool FileManager::verifyAndRepair(sql::Database& db)
{
    const std::string table(def_.label);
    // Is this one of our files? Anything else is left exactly as it is.
    sql::Statement* probe = db.cached("SELECT count(*) FROM sqlite_master WHERE type='table' AND name=?1");
    if (!probe) {
        lastError_ = db.errorText();
        errors_.throwMessage(Msg::OpenFailed, {name(), {}, lastError_});
        return false;
    }
    bool hasTable = false;
    {
        sql::StatementUse use(*probe);
        use->bindText(1, table);
        if (use->step() != SQLITE_ROW) {
            lastError_ = db.errorText();
            errors_.throwMessage(Msg::OpenFailed, {name(), {}, lastError_});
            return false;
        }
        hasTable = use->columnInt(0) > 0;
    }
    std::set<std::string> columns;
    if (hasTable) {
        sql::Statement* info = db.cached("SELECT name FROM pragma_table_info(?1)");
        if (info) {
            sql::StatementUse use(*info);
            use->bindText(1, table);
            while (use->step() == SQLITE_ROW) {
                columns.emplace(use->columnText(0));
            }
        }
    }
    bool layoutOk = hasTable && columns.count("pos") > 0;
    for (const FieldDef& f : def_.fields) {
        layoutOk = layoutOk && columns.count(std::string(bareName(f.label))) > 0;
    }
    for (const MemoDef& m : def_.memos) {
        layoutOk = layoutOk && columns.count(std::string(bareName(m.label))) > 0;
    }
    if (!layoutOk) {
        lastError_ = hasTable ? QStringLiteral("The record layout of the file is not the expected one")
                              : QStringLiteral("Not a data file of this program");
        errors_.throwMessage(Msg::OpenFailed, {name(), {}, lastError_});
        return false;
    }
    if (keysAreCurrent(db)) {
        return true;
    }
    errors_.throwMessage(Msg::InvalidKey, {name(), {}, {}});
    if (readOnly_ || !rebuildKeys(db)) {
        lastError_ = readOnly_ ? QStringLiteral("The file is read-only") : db.errorText();
        errors_.throwMessage(Msg::RebuildKeyFailed, {name(), {}, lastError_});
        return false;
    }
    return true;
}

bool FileManager::keysAreCurrent(sql::Database& db)
{
    sql::Statement* version = db.cached("PRAGMA user_version");
    if (!version) {
        return false;
    }
    {
        sql::StatementUse use(*version);
        if (use->step() != SQLITE_ROW || use->columnInt(0) != schema::layoutVersion(def_)) {
            return false;
        }
    }
    sql::Statement* idx = db.cached("SELECT sql FROM sqlite_master WHERE type='index' AND name=?1");
    if (!idx) {
        return false;
    }
    for (const KeyDef& key : def_.keys) {
        sql::StatementUse use(*idx);
        std::string indexName = std::string(def_.label) + "_" + std::string(bareName(key.label));
        use->bindText(1, indexName);
        if (use->step() != SQLITE_ROW || use->columnText(0) != schema::createIndexSql(def_, key)) {
            return false;
        }
    }
    return true;
}

bool FileManager::rebuildKeys(sql::Database& db)
{
    sql::Transaction tx(db);
    if (!tx.ok()) {
        return false;
    }
    // Drop every index on the table, add missing key columns, recompute every
    // sort value from the record, then create the indexes again.
    std::vector<std::string> indexes;
    if (sql::Statement* list = db.cached("SELECT name FROM sqlite_master WHERE type='index' AND tbl_name=?1 "
                                         "AND sql IS NOT NULL")) {
        sql::StatementUse use(*list);
        use->bindText(1, std::string(def_.label));
        while (use->step() == SQLITE_ROW) {
            indexes.emplace_back(use->columnText(0));
        }
    }
    for (const std::string& index : indexes) {
        if (!db.exec("DROP INDEX " + sql::quoted(index))) {
            return false;
        }
    }
    std::set<std::string> columns;
    if (sql::Statement* info = db.cached("SELECT name FROM pragma_table_info(?1)")) {
        sql::StatementUse use(*info);
        use->bindText(1, std::string(def_.label));
        while (use->step() == SQLITE_ROW) {
            columns.emplace(use->columnText(0));
        }
    }
    for (const KeyDef& key : def_.keys) {
        const std::string column = "k_" + std::string(bareName(key.label));
        if (!columns.count(column)
            && !db.exec(
                "ALTER TABLE " + schema::table(def_) + " ADD COLUMN " + sql::quoted(column) + " BLOB")) {
            return false;
        }
    }
    std::string set;
    for (const KeyDef& key : def_.keys) {
        set += (set.empty() ? "" : ", ") + schema::keyColumn(key) + "=?";
    }
    sql::Statement* select
        = db.cached("SELECT pos, " + schema::dataColumns(def_) + " FROM " + schema::table(def_));
    sql::Statement* write = db.cached("UPDATE " + schema::table(def_) + " SET " + set + " WHERE pos=?");
    if (!select || !write) {
        return false;
    }
    Record record(def_);
    {
        sql::StatementUse rows(*select);
        int rc;
        while ((rc = rows->step()) == SQLITE_ROW) {
            rowcodec::read(*rows, 1, record);
            sql::StatementUse w(*write);
            int p = 1;
            for (const KeyDef& key : def_.keys) {
                w->bindBlob(p++, keyValue(record, key));
            }
            w->bindInt(p, rows->columnInt(0));
            if (w->step() != SQLITE_DONE) {
                return false;
            }
        }
        if (rc != SQLITE_DONE) {
            return false;
        }
    }
    for (const KeyDef& key : def_.keys) {
        if (!db.exec(schema::createIndexSql(def_, key))) {
            return false;
        }
    }
    return db.exec(pragma("user_version", schema::layoutVersion(def_))) && tx.commit();
}

void FileManager::close()
{
    if (!db_) {
        return;
    }
    if (batchDepth_ > 0) {
        db_.exec("ROLLBACK");
        batchDepth_ = 0;
    }
    db_.close();
    batchHighest_.reset();
    orderKey_ = -1;
    anchor_.reset();
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

Status FileManager::insertRow()
{
    sql::Statement* stmt = db_.cached(sqlText_.insert);
    if (!stmt) {
        lastError_ = db_.errorText();
        return Status::Error;
    }
    sql::StatementUse use(*stmt);
    rowcodec::bind(*use, 1, buffer_);
    const int rc = use->step();
    if (rc != SQLITE_DONE) {
        lastError_ = db_.errorText();
        if (sqlite3_extended_errcode(db_.get()) == SQLITE_CONSTRAINT_UNIQUE) {
            duplicateKey_ = duplicateKeyIndex();
            return Status::Duplicate;
        }
        return Status::Error;
    }
    adopt(sqlite3_last_insert_rowid(db_.get()), buffer_);
    return Status::Ok;
}

Status FileManager::writeRow(std::int64_t position)
{
    sql::Statement* stmt = db_.cached(sqlText_.update);
    if (!stmt) {
        lastError_ = db_.errorText();
        return Status::Error;
    }
    sql::StatementUse use(*stmt);
    const int p = rowcodec::bind(*use, 1, buffer_);
    use->bindInt(p, position);
    if (use->step() != SQLITE_DONE) {
        lastError_ = db_.errorText();
        if (sqlite3_extended_errcode(db_.get()) == SQLITE_CONSTRAINT_UNIQUE) {
            duplicateKey_ = duplicateKeyIndex();
            return Status::Duplicate;
        }
        return Status::Error;
    }
    return Status::Ok;
}

namespace {

int autoNumberKey(const FileDef& def)
{
    for (int i = 0; i < static_cast<int>(def.keys.size()); ++i) {
        if (def.keys[i].autoNumber) {
            return i;
        }
    }
    return -1;
}

// The value of a key whose only component is a 32-bit integer.
std::int64_t decodeKeyInteger(const QByteArray& sortValue)
{
    if (sortValue.size() < 4) {
        return 0;
    }
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i) {
        v = (v << 8) | static_cast<unsigned char>(sortValue[i]);
    }
    return static_cast<std::int32_t>(v ^ 0x80000000u);
}

} // namespace

Status FileManager::insertNumbered()
{
    // Highest number through the key, plus one, added at once inside a write
    // transaction so that no other program can take the same number meanwhile.
    const int field = def_.keys[autoNumberKey(def_)].components[0].field;
    sql::Transaction tx(db_);
    if (!tx.ok()) {
        lastError_ = db_.errorText();
        return Status::Error;
    }
    sql::Statement* top = db_.cached(sqlText_.highestAutoNumber);
    if (!top) {
        lastError_ = db_.errorText();
        return Status::Error;
    }
    std::int64_t highest = 0;
    if (batchHighest_) {
        // Inside a batch nobody else can write, so the highest number is known.
        highest = *batchHighest_;
    } else {
        sql::StatementUse use(*top);
        const int rc = use->step();
        if (rc == SQLITE_ROW) {
            highest = decodeKeyInteger(use->columnBlob(0));
        } else if (rc != SQLITE_DONE) {
            lastError_ = db_.errorText();
            return Status::Error;
        }
    }
    if (highest >= INT32_MAX) {
        lastError_ = QStringLiteral("No more numbers are available");
        return Status::Error;
    }
    buffer_.setInteger(field, static_cast<std::int32_t>(highest + 1));
    const Status s = insertRow();
    if (s != Status::Ok) {
        buffer_.setInteger(field, 0);
        batchHighest_.reset();
        return s;
    }
    if (batchDepth_ > 0) {
        batchHighest_ = highest + 1;
    }
    if (!tx.commit()) {
        lastError_ = db_.errorText();
        buffer_.setInteger(field, 0);
        return Status::Error;
    }
    return Status::Ok;
}

Status FileManager::primeRecord()
{
    cancelPrimed();
    buffer_.clear();
    if (autoNumberKey(def_) < 0) {
        return Status::Ok;
    }
    const Status s = tryInsert();
    if (s == Status::Ok) {
        primed_ = current_;
    } else {
        reportWriteStatus(s, Msg::InsertFailed);
    }
    return s;
}

void FileManager::cancelPrimed()
{
    batchHighest_.reset();
    if (primed_ == 0 || !db_) {
        primed_ = 0;
        return;
    }
    if (sql::Statement* stmt = db_.cached(sqlText_.deleteByPos)) {
        sql::StatementUse use(*stmt);
        use->bindInt(1, primed_);
        use->step();
    }
    primed_ = 0;
}

Status FileManager::tryInsert()
{
    duplicateKey_ = -1;
    if (!open()) {
        return Status::Error;
    }
    if (readOnly_) {
        lastError_ = QStringLiteral("The file is open read-only");
        return Status::Error;
    }
    if (primed_ != 0) {
        // Complete the record that priming added.
        const std::int64_t position = primed_;
        const Status s = writeRow(position);
        if (s == Status::Ok) {
            primed_ = 0;
            adopt(position, buffer_);
        }
        return s;
    }
    const int key = autoNumberKey(def_);
    if (key >= 0 && buffer_.integer(def_.keys[key].components[0].field) == 0) {
        for (;;) {
            Status s = Status::Error;
            for (int attempt = 0; attempt < kAutoNumberAttempts; ++attempt) {
                s = insertNumbered();
                if (s == Status::Ok) {
                    return s;
                }
                if (s == Status::Duplicate && duplicateKey_ != key) {
                    return s; // another key refuses the record: numbering again will not help
                }
            }
            const Answer again = errors_.throwMessage(Msg::AutoIncrementFailed,
                {name(), QString::fromLatin1(def_.keys[key].label.data(), def_.keys[key].label.size()),
                    lastError_});
            if (again != Answer::Yes) {
                return Status::Error;
            }
        }
    }
    // One statement: atomic on its own, inside a batch or not.
    batchHighest_.reset();
    return insertRow();
}

void FileManager::reportWriteStatus(Status s, Msg failure)
{
    switch (s) {
    case Status::Ok:
    case Status::NoRecord:
        break;
    case Status::Duplicate: {
        QString key;
        if (duplicateKey_ >= 0) {
            const auto label = def_.keys[duplicateKey_].label;
            key = QString::fromLatin1(label.data(), label.size());
        }
        errors_.throwMessage(Msg::DuplicateKey, {name(), key, lastError_});
        break;
    }
    case Status::Changed:
        errors_.throwMessage(Msg::RecordChangedOrDeleted, {name(), {}, lastError_});
        break;
    case Status::Error:
        errors_.throwMessage(failure, {name(), {}, lastError_});
        break;
    }
}

Status FileManager::insert()
{
    const Status s = tryInsert();
    reportWriteStatus(s, Msg::InsertFailed);
    return s;
}

Status FileManager::tryUpdate()
{
    duplicateKey_ = -1;
    if (!open()) {
        return Status::Error;
    }
    if (current_ == 0) {
        lastError_ = QStringLiteral("No current record");
        return Status::Error;
    }
    if (readOnly_) {
        lastError_ = QStringLiteral("The file is open read-only");
        return Status::Error;
    }
    sql::Transaction tx(db_);
    if (!tx.ok()) {
        lastError_ = db_.errorText();
        return Status::Error;
    }
    // Refuse to overwrite what another program wrote since the record was read.
    sql::Statement* stmt = db_.cached(sqlText_.selectByPos);
    if (!stmt) {
        lastError_ = db_.errorText();
        return Status::Error;
    }
    {
        sql::StatementUse use(*stmt);
        use->bindInt(1, current_);
        const int rc = use->step();
        if (rc == SQLITE_DONE) {
            lastError_ = QStringLiteral("Record deleted");
            return Status::Changed;
        }
        if (rc != SQLITE_ROW) {
            lastError_ = db_.errorText();
            return Status::Error;
        }
        Record stored(def_);
        rowcodec::read(*use, 1, stored);
        if (!(stored == snapshot_)) {
            lastError_ = QStringLiteral("Record changed");
            return Status::Changed;
        }
    }
    batchHighest_.reset();
    const Status s = writeRow(current_);
    if (s != Status::Ok) {
        return s;
    }
    if (!tx.commit()) {
        lastError_ = db_.errorText();
        return Status::Error;
    }
    snapshot_ = buffer_;
    return Status::Ok;
}

Status FileManager::update()
{
    const Status s = tryUpdate();
    reportWriteStatus(s, Msg::UpdateFailed);
    return s;
}

Status FileManager::tryDelete()
{
    if (current_ == 0) {
        lastError_ = QStringLiteral("No current record");
        return Status::Error;
    }
    const Status s = deleteAt(current_);
    if (s == Status::Ok) {
        current_ = 0;
    }
    return s;
}

Status FileManager::deleteAt(std::int64_t position)
{
    if (!open()) {
        return Status::Error;
    }
    if (readOnly_) {
        lastError_ = QStringLiteral("The file is open read-only");
        return Status::Error;
    }
    sql::Statement* stmt = db_.cached(sqlText_.deleteByPos);
    if (!stmt) {
        lastError_ = db_.errorText();
        return Status::Error;
    }
    batchHighest_.reset();
    sql::StatementUse use(*stmt);
    use->bindInt(1, position);
    if (use->step() != SQLITE_DONE) {
        lastError_ = db_.errorText();
        return Status::Error;
    }
    if (sqlite3_changes(db_.get()) == 0) {
        lastError_ = QStringLiteral("Record not found");
        return Status::NoRecord;
    }
    return Status::Ok;
}

Status FileManager::deleteRecord()
{
    const Status s = tryDelete();
    if (s == Status::NoRecord) {
        errors_.throwMessage(Msg::DeleteFailed, {name(), {}, lastError_});
    } else {
        reportWriteStatus(s, Msg::DeleteFailed);
    }
    return s;
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

bool FileManager::compact()
{
    if (!open() || readOnly_) {
        return false;
    }
    if (batchDepth_ > 0) {
        compactPending_ = true;
        return true;
    }
    compactPending_ = false;
    std::int64_t freePages = 0;
    std::int64_t pages = 0;
    if (sql::Statement* s = db_.cached("PRAGMA freelist_count")) {
        sql::StatementUse use(*s);
        freePages = use->step() == SQLITE_ROW ? use->columnInt(0) : 0;
    }
    if (sql::Statement* s = db_.cached("PRAGMA page_count")) {
        sql::StatementUse use(*s);
        pages = use->step() == SQLITE_ROW ? use->columnInt(0) : 0;
    }
    if (freePages * 4 < pages) {
        return true; // not worth rewriting the file
    }
    return db_.exec("VACUUM");
}

bool FileManager::beginBatch()
{
    if (!open()) {
        return false;
    }
    if (batchDepth_ == 0) {
        if (!db_.exec(readOnly_ ? "BEGIN" : "BEGIN IMMEDIATE")) {
            lastError_ = db_.errorText();
            return false;
        }
        db_.exec(pragma("cache_size", -kBatchCacheKb));
    }
    ++batchDepth_;
    return true;
}

bool FileManager::endBatch()
{
    if (batchDepth_ == 0 || !db_) {
        return false;
    }
    if (--batchDepth_ > 0) {
        return true;
    }
    batchHighest_.reset();
    const bool ok = db_.exec("COMMIT");
    if (!ok) {
        lastError_ = db_.errorText();
        db_.exec("ROLLBACK");
    }
    db_.exec(pragma("cache_size", -kCacheKb));
    if (ok && compactPending_) {
        compact();
    }
    return ok;
}

void FileManager::abandonBatch()
{
    if (batchDepth_ == 0 || !db_) {
        return;
    }
    batchDepth_ = 0;
    compactPending_ = false;
    batchHighest_.reset();
    db_.exec("ROLLBACK");
    db_.exec(pragma("cache_size", -kCacheKb));
}

} // namespace kv

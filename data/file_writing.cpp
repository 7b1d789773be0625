// Writing: insert with auto-numbering, update that refuses to overwrite
// another program's change, delete, batches and compaction.

#include "data/file_manager.h"
#include "data/file_manager_internal.h"
#include "data/key_encoding.h"
#include "data/key_reader.h"
#include "data/row_codec.h"
#include "data/table_schema.h"

namespace kv {

using namespace detail;

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

// Opening a record file: creation when missing, recovery, the check that
// the file is one of ours, and the rebuild of damaged keys.

#include "data/file_manager.h"
#include "data/file_manager_internal.h"
#include "data/key_encoding.h"
#include "data/key_reader.h"
#include "data/row_codec.h"
#include "data/table_schema.h"

#include <QFile>
#include <QFileInfo>
#include <set>

namespace kv {

using namespace detail;

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

} // namespace kv

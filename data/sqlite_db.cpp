#include "data/sqlite_db.h"

namespace kv::sql {

bool Database::exec(const std::string& sql)
{
    return sqlite3_exec(db_.get(), sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
}

Statement* Database::cached(const std::string& sql)
{
    auto it = cache_.find(sql);
    if (it != cache_.end()) {
        return it->second.get();
    }
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v3(
            db_.get(), sql.c_str(), static_cast<int>(sql.size()), SQLITE_PREPARE_PERSISTENT, &raw, nullptr)
        != SQLITE_OK) {
        sqlite3_finalize(raw);
        return nullptr;
    }
    auto stmt = std::make_unique<Statement>(raw);
    Statement* result = stmt.get();
    cache_.emplace(sql, std::move(stmt));
    return result;
}

QString Database::errorText() const
{
    if (!db_) {
        return QStringLiteral("file not open");
    }
    return QString::fromUtf8(sqlite3_errmsg(db_.get()));
}

Transaction::Transaction(Database& db)
    : db_(db)
{
    nested_ = sqlite3_get_autocommit(db_.get()) == 0;
    active_ = nested_ || db_.exec("BEGIN IMMEDIATE");
}

Transaction::~Transaction()
{
    if (active_ && !nested_) {
        db_.exec("ROLLBACK");
    }
}

bool Transaction::commit()
{
    if (!active_) {
        return false;
    }
    const bool ok = nested_ || db_.exec("COMMIT");
    if (ok) {
        active_ = false;
    }
    return ok;
}

std::string quoted(std::string_view identifier)
{
    std::string out = "\"";
    for (char c : identifier) {
        if (c == '"') {
            out += '"';
        }
        out += c;
    }
    out += '"';
    return out;
}

} // namespace kv::sql

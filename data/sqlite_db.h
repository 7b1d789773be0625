#pragma once

// Thin RAII layer over SQLite: a connection with a cache of prepared
// statements, statements that reset themselves, and transactions that roll
// back unless committed.

#include <QByteArray>
#include <QString>
#include <memory>
#include <sqlite3.h>
#include <string>
#include <string_view>
#include <unordered_map>

namespace kv::sql {

struct DbCloser {
    void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};
struct StmtFinalizer {
    void operator()(sqlite3_stmt* s) const { sqlite3_finalize(s); }
};

class Statement {
public:
    explicit Statement(sqlite3_stmt* stmt)
        : stmt_(stmt)
    {
    }

    sqlite3_stmt* get() const { return stmt_.get(); }
    void reset()
    {
        sqlite3_reset(stmt_.get());
        sqlite3_clear_bindings(stmt_.get());
    }
    int step() { return sqlite3_step(stmt_.get()); }

    void bindInt(int i, sqlite3_int64 v) { sqlite3_bind_int64(stmt_.get(), i, v); }
    void bindDouble(int i, double v) { sqlite3_bind_double(stmt_.get(), i, v); }
    void bindNull(int i) { sqlite3_bind_null(stmt_.get(), i); }
    void bindText(int i, const std::string& s)
    {
        sqlite3_bind_text(stmt_.get(), i, s.data(), static_cast<int>(s.size()), SQLITE_TRANSIENT);
    }
    void bindText(int i, const QString& s) { bindText(i, s.toStdString()); }
    // Null QByteArray binds SQL NULL.
    void bindBlob(int i, const QByteArray& b)
    {
        if (b.isNull()) {
            sqlite3_bind_null(stmt_.get(), i);
        } else {
            sqlite3_bind_blob(stmt_.get(), i, b.constData(), static_cast<int>(b.size()), SQLITE_TRANSIENT);
        }
    }

    sqlite3_int64 columnInt(int c) const { return sqlite3_column_int64(stmt_.get(), c); }
    double columnDouble(int c) const { return sqlite3_column_double(stmt_.get(), c); }
    bool columnIsNull(int c) const { return sqlite3_column_type(stmt_.get(), c) == SQLITE_NULL; }
    std::string_view columnText(int c) const
    {
        const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(stmt_.get(), c));
        return p ? std::string_view(p, static_cast<size_t>(sqlite3_column_bytes(stmt_.get(), c)))
                 : std::string_view();
    }
    QByteArray columnBlob(int c) const
    {
        const void* p = sqlite3_column_blob(stmt_.get(), c);
        if (!p) {
            return {};
        }
        return QByteArray(static_cast<const char*>(p), sqlite3_column_bytes(stmt_.get(), c));
    }

private:
    std::unique_ptr<sqlite3_stmt, StmtFinalizer> stmt_;
};

// Resets a cached statement when the scope ends, so that it never keeps a
// read transaction open.
class StatementUse {
public:
    explicit StatementUse(Statement& s)
        : s_(s)
    {
    }
    ~StatementUse() { s_.reset(); }
    StatementUse(const StatementUse&) = delete;
    StatementUse& operator=(const StatementUse&) = delete;
    Statement* operator->() { return &s_; }
    Statement& operator*() { return s_; }

private:
    Statement& s_;
};

class Database {
public:
    Database() = default;
    explicit Database(sqlite3* db)
        : db_(db)
    {
    }

    sqlite3* get() const { return db_.get(); }
    explicit operator bool() const { return db_ != nullptr; }
    void close()
    {
        cache_.clear();
        db_.reset();
    }

    // Runs statements without results; false on error (see errorText()).
    bool exec(const std::string& sql);
    // A prepared statement kept for the life of the connection; nullptr on error.
    Statement* cached(const std::string& sql);
    QString errorText() const;
    int errorCode() const { return db_ ? sqlite3_extended_errcode(db_.get()) : SQLITE_CANTOPEN; }

private:
    std::unique_ptr<sqlite3, DbCloser> db_;
    std::unordered_map<std::string, std::unique_ptr<Statement>> cache_;
};

// BEGIN IMMEDIATE ... COMMIT, rolled back unless committed. Inside an outer
// transaction (a batch) it does nothing: the operations that use it change
// the file with one statement only after every check has passed, so a
// failure leaves nothing to undo, and the batch decides what is kept.
class Transaction {
public:
    explicit Transaction(Database& db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    bool ok() const { return active_; }
    bool commit();

private:
    Database& db_;
    bool active_ = false;
    bool nested_ = false;
};

std::string quoted(std::string_view identifier);

} // namespace kv::sql

#pragma once

// Access:<label> — the file manager of one record file. It reads and writes
// the file's record buffer and reports failures through GlobalErrors with the
// file layer's messages. The file is opened lazily on the first read or write
// and created, empty, when missing.

#include "data/error_service.h"
#include "data/record.h"
#include "data/sqlite_db.h"
#include "data/table_schema.h"

#include <QString>
#include <cstdint>
#include <optional>

namespace kv {

struct KeyAnchor {
    QByteArray value;
    std::int64_t position = 0;
};

enum class Direction { Forward, Backward };

enum class Status {
    Ok,
    NoRecord, // nothing matched, end of the range or of the file
    Duplicate, // a unique key would hold the value twice
    Changed, // the record was changed or deleted by another program since it was read
    Error, // anything else; see lastErrorText()
};

class FileManager {
public:
    FileManager(const FileDef& def, Record& buffer, ErrorService& errors, QString directory);
    ~FileManager();
    FileManager(const FileManager&) = delete;
    FileManager& operator=(const FileManager&) = delete;

    const FileDef& def() const { return def_; }
    Record& buffer() const { return buffer_; }
    ErrorService& errors() const { return errors_; }
    QString name() const; // as shown in messages, e.g. "KVSEGUIR.TPS"
    QString path() const;
    QString lastErrorText() const { return lastError_; }
    // The key that refused the last write with Status::Duplicate, -1 when unknown.
    int duplicateKey() const { return duplicateKey_; }

    // Opening follows the file layer's recovery rules (create when missing,
    // read-only when write access is refused, rebuild of damaged keys); a
    // file that is not one of ours is never touched. False when unusable.
    bool open();
    void close();
    bool isOpen() const { return static_cast<bool>(db_); }
    bool isReadOnly() const { return readOnly_; }

    // Reads the first record whose key components equal the buffer's. When
    // none matches the whole buffer is cleared.
    Status fetch(int key);
    // Reads the record at a position (as kept by lists and record-order scans).
    Status reget(std::int64_t position);
    // Position of the current record (last read or written), 0 when none.
    std::int64_t position() const { return current_; }

    // Key-order reading: positions before the first record of the range in
    // which the first `fixedComponents` components equal the buffer's now.
    void setOrder(int key, int fixedComponents = 0);
    Status next();
    Status previous();

    // Clears the buffer for a new record. On a file with an auto-numbered key
    // the number is taken at once: the record is added with it, and insert()
    // completes it (cancelPrimed() withdraws it).
    Status primeRecord();
    void cancelPrimed();

    // The plain forms report failures through GlobalErrors; the try forms
    // only return the status (the caller reports).
    Status insert();
    Status tryInsert();
    Status update();
    Status tryUpdate();
    Status deleteRecord();
    Status tryDelete();

    // Direct storage operations.
    void setRecordOrder();
    Status nextInRecordOrder();
    // Deletes the record at a position without reading it; no message.
    Status deleteAt(std::int64_t position);
    std::int64_t recordCount();
    // Gives back the space of deleted records; inside a batch it is done when
    // the batch ends. Only worth it when a good part of the file is free.
    bool compact();
    // A batch is one transaction: what it wrote is all there or not at all.
    bool beginBatch();
    bool endBatch();
    void abandonBatch();
    bool inBatch() const { return batchDepth_ > 0; }
    void setQuickScan(bool on) { quickScan_ = on; }
    bool quickScan() const { return quickScan_; }

    // For readers that page through the file (lists, reports): the open
    // connection, or null when the file cannot be opened.
    sql::Database* database();
    // Makes a record that a reader loaded into the buffer the current one.
    void adopt(std::int64_t position, const Record& asRead);
    // Reports a reading failure (Record Retrieval Error).
    void reportReadError();

private:
    bool create();
    bool verifyAndRepair(sql::Database& db);
    bool keysAreCurrent(sql::Database& db);
    bool rebuildKeys(sql::Database& db);
    void configure(sql::Database& db);
    bool fail(const QString& text);
    Status readOne(sql::Statement& stmt);
    Status step(Direction direction);
    Status insertRow();
    Status insertNumbered();
    Status writeRow(std::int64_t position);
    int duplicateKeyIndex() const;
    void reportWriteStatus(Status s, Msg failure);

    const FileDef& def_;
    Record& buffer_;
    ErrorService& errors_;
    QString directory_;
    sql::Database db_;
    bool readOnly_ = false;
    bool quickScan_ = false;
    int batchDepth_ = 0;
    bool compactPending_ = false;
    QString lastError_;
    int duplicateKey_ = -1;
    const schema::StatementTexts& sqlText_;

    std::int64_t current_ = 0;
    Record snapshot_; // the current record as read, to detect changes by others
    std::int64_t primed_ = 0;
    std::optional<std::int64_t> batchHighest_; // highest auto-number while a batch holds the file

    // key-order cursor
    int orderKey_ = -1;
    QByteArray rangeLow_, rangeHigh_;
    std::optional<KeyAnchor> anchor_;
    // record-order cursor
    std::int64_t scanPos_ = 0;
};

} // namespace kv

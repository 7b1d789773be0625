#pragma once

// Reads a record file in the order of one key, a page at a time, within a
// range of sort values. Pages continue from an anchor (the sort value and
// position of the last row seen), so the cost of a page does not grow with
// the file.

#include "data/file_manager.h"

#include <functional>
#include <optional>

namespace kv {

class KeyReader {
public:
    KeyReader(FileManager& file, int key);

    int key() const { return key_; }
    FileManager& file() const { return file_; }

    // Only sort values v with low <= v < high (a null bound is open).
    void setRange(QByteArray low, QByteArray high);
    // Only records whose first `components` components equal those of `from`.
    void setPrefixRange(const Record& from, int components);
    void clearRange() { setRange({}, {}); }

    // Calls `sink` for up to `limit` records after (Forward) or before
    // (Backward) the anchor, exclusive; from the start (or the end) without
    // one. Backward delivers rows from the anchor towards the start. The
    // record passed to the sink is a scratch buffer: copy what you keep.
    // Returning false from the sink stops the read.
    using Sink = std::function<bool(const KeyAnchor& row, const Record& record)>;
    Status read(Direction direction, const std::optional<KeyAnchor>& anchor, int limit, const Sink& sink);
    // Every record of the range, page by page, until the sink returns false.
    Status forEach(const Sink& sink);

    // The sort value of a record in this key (null when the key leaves it out).
    QByteArray valueOf(const Record& record) const;

private:
    FileManager& file_;
    int key_;
    QByteArray low_, high_;
    Record scratch_;
};

} // namespace kv

namespace kv {

// Reads a record file in record order (the order in which records were
// added), a page at a time, continuing after a position.
class RecordOrderReader {
public:
    explicit RecordOrderReader(FileManager& file);

    // Calls `sink` for up to `limit` records after `position` (0: from the
    // start). The record is a scratch buffer. Returning false stops the read.
    using Sink = std::function<bool(std::int64_t position, const Record& record)>;
    Status read(std::int64_t after, int limit, const Sink& sink);
    // Every record, page by page, until the sink returns false.
    Status forEach(const Sink& sink);

private:
    FileManager& file_;
    Record scratch_;
};

} // namespace kv

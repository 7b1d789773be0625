#pragma once

// A plain INI file: "[Section]" lines, each followed by "key=value" lines.
// Section and key names compare case-insensitively; values are text.
// Everything the reader does not understand (comments, junk, a header that is
// never closed, lines before the first section) is kept as it was and written
// back unchanged, in its place. The file is read and written as 8-bit text,
// so its bytes survive a load/save round trip.

#include <QString>
#include <optional>
#include <vector>

namespace kv {

class IniFile {
public:
    // Replaces the contents with the file's; a missing or unreadable file
    // gives an empty INI.
    void load(const QString& path);
    // Writes through a temporary file renamed over the target. False when
    // the file could not be written; the old file is then left as it was.
    bool save(const QString& path) const;

    std::optional<QString> value(const QString& section, const QString& key) const;
    // Changes the first matching key in place, or appends the key to the
    // section, or appends a new section at the end.
    void setValue(const QString& section, const QString& key, const QString& value);
    // Removes every line of the key in the section; the section stays.
    void remove(const QString& section, const QString& key);

private:
    struct Line {
        QString text; // as read, or as rebuilt after a change
        QString key; // empty for lines that hold no key
    };
    struct Section {
        QString name;
        bool hasHeader = false; // false only for the lines before the first header
        std::vector<Line> lines;
    };

    std::vector<Section> sections_;
    std::optional<bool> crlf_; // line ending of the file as loaded; unset for a new file
};

} // namespace kv

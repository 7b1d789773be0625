#pragma once

// Comma-separated values as exchanged with spreadsheets: fields separated by
// commas, quoted with '"' when they hold a comma, a quote or a line break
// (a quote inside doubled), records ended by CRLF, LF or CR, text in UTF-8.

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace kv::csv {

struct Row {
    int line = 0; // line of the file on which the row starts, from 1
    std::vector<QString> cells;
};

struct SyntaxError {
    int line = 0;
    QString reason;
};

// Reads the rows of a decoded text one at a time. Empty lines are skipped
// (a row of one empty cell is written as ""); a line end after the last row
// is optional; line ends inside quoted cells are kept as they are.
class Reader {
public:
    explicit Reader(QString text);

    // The next row; false at the end of the text or on a syntax error.
    bool next(Row& row);
    const std::optional<SyntaxError>& error() const { return error_; }

private:
    bool atEnd() const { return pos_ >= text_.size(); }
    QChar peek() const { return text_[pos_]; }
    bool skipLineEnd(); // consumes CRLF, LF or CR; false when none is here
    bool readQuoted(QString& cell);
    bool readPlain(QString& cell);
    bool fail(int line, const QString& reason);

    QString text_;
    qsizetype pos_ = 0;
    int line_ = 1;
    std::optional<SyntaxError> error_;
};

// Decodes UTF-8, dropping a leading byte order mark. On bytes that are not
// UTF-8 it returns nothing and `badLine` receives the line they are on.
std::optional<QString> decodeUtf8(const QByteArray& bytes, int* badLine = nullptr);

// One row as UTF-8, ended by CRLF, with the cells quoted where needed.
QByteArray formatRow(const std::vector<QString>& cells);

} // namespace kv::csv

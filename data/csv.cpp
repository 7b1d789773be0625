#include "data/csv.h"

#include <QStringDecoder>

namespace kv::csv {
namespace {

constexpr QChar kQuote = QLatin1Char('"');
constexpr QChar kComma = QLatin1Char(',');
constexpr QChar kCr = QLatin1Char('\r');
constexpr QChar kLf = QLatin1Char('\n');
constexpr char16_t kBom = 0xFEFF;

bool isLineEnd(QChar c)
{
    return c == kCr || c == kLf;
}

bool needsQuotes(const QString& cell)
{
    for (const QChar c : cell) {
        if (c == kComma || c == kQuote || isLineEnd(c)) {
            return true;
        }
    }
    return false;
}

} // namespace

Reader::Reader(QString text)
    : text_(std::move(text))
{
    if (text_.startsWith(QChar(kBom))) {
        pos_ = 1;
    }
}

bool Reader::fail(int line, const QString& reason)
{
    error_ = SyntaxError {line, reason};
    return false;
}

bool Reader::skipLineEnd()
{
    if (atEnd() || !isLineEnd(peek())) {
        return false;
    }
    if (peek() == kCr && pos_ + 1 < text_.size() && text_[pos_ + 1] == kLf) {
        ++pos_;
    }
    ++pos_;
    ++line_;
    return true;
}

bool Reader::readQuoted(QString& cell)
{
    const int start = line_;
    ++pos_; // opening quote
    for (;;) {
        if (atEnd()) {
            return fail(start, QStringLiteral("a quoted cell is not closed"));
        }
        if (isLineEnd(peek())) {
            const qsizetype from = pos_;
            skipLineEnd();
            cell += QStringView(text_).mid(from, pos_ - from);
            continue;
        }
        const QChar c = text_[pos_++];
        if (c != kQuote) {
            cell += c;
        } else if (!atEnd() && peek() == kQuote) {
            cell += kQuote;
            ++pos_;
        } else {
            break;
        }
    }
    if (!atEnd() && peek() != kComma && !isLineEnd(peek())) {
        return fail(line_, QStringLiteral("unexpected text after a closing quote"));
    }
    return true;
}

bool Reader::readPlain(QString& cell)
{
    const qsizetype from = pos_;
    while (!atEnd() && peek() != kComma && !isLineEnd(peek())) {
        if (peek() == kQuote) {
            return fail(line_, QStringLiteral("a quote inside an unquoted cell"));
        }
        ++pos_;
    }
    cell = text_.mid(from, pos_ - from);
    return true;
}

bool Reader::next(Row& row)
{
    if (error_) {
        return false;
    }
    while (skipLineEnd()) { }
    if (atEnd()) {
        return false;
    }
    row.line = line_;
    row.cells.clear();
    for (;;) {
        QString cell;
        const bool ok = !atEnd() && peek() == kQuote ? readQuoted(cell) : readPlain(cell);
        if (!ok) {
            return false;
        }
        row.cells.push_back(std::move(cell));
        if (atEnd() || skipLineEnd()) {
            return true;
        }
        ++pos_; // comma
    }
}

std::optional<QString> decodeUtf8(const QByteArray& bytes, int* badLine)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    QString text = decoder.decode(bytes);
    if (decoder.hasError()) {
        if (badLine) {
            const qsizetype bad = text.indexOf(QChar(QChar::ReplacementCharacter));
            *badLine = 1 + static_cast<int>(QStringView(text).left(bad < 0 ? text.size() : bad).count(kLf));
        }
        return std::nullopt;
    }
    if (text.startsWith(QChar(kBom))) {
        text.remove(0, 1);
    }
    return text;
}

QByteArray formatRow(const std::vector<QString>& cells)
{
    QString line;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i > 0) {
            line += kComma;
        }
        const QString& cell = cells[i];
        // A lone empty cell is quoted so that the row is not read as an empty line.
        if (needsQuotes(cell) || (cells.size() == 1 && cell.isEmpty())) {
            line += kQuote + QString(cell).replace(kQuote, QStringLiteral("\"\"")) + kQuote;
        } else {
            line += cell;
        }
    }
    line += QStringLiteral("\r\n");
    return line.toUtf8();
}

} // namespace kv::csv

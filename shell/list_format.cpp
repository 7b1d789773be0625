#include "shell/list_format.h"

namespace kv {
namespace {

class Cursor {
public:
    explicit Cursor(const QString& s)
        : s_(s)
    {
    }
    bool atEnd() const { return i_ >= s_.size(); }
    QChar peek() const { return atEnd() ? QChar() : s_[i_]; }
    QChar take() { return atEnd() ? QChar() : s_[i_++]; }
    int number()
    {
        int n = 0;
        while (!atEnd() && peek().isDigit()) {
            n = n * 10 + take().digitValue();
        }
        return n;
    }
    QString until(QChar end)
    {
        QString out;
        while (!atEnd() && peek() != end) {
            out += take();
        }
        take();
        return out;
    }

private:
    const QString& s_;
    qsizetype i_ = 0;
};

std::optional<Qt::Alignment> alignment(QChar c)
{
    switch (c.toUpper().unicode()) {
    case 'L':
        return Qt::AlignLeft;
    case 'R':
        return Qt::AlignRight;
    case 'C':
        return Qt::AlignHCenter;
    case 'D':
        return Qt::AlignRight; // decimal: numbers line up on the right
    default:
        return std::nullopt;
    }
}

// An alignment letter and an optional "(indent)".
bool readAlignment(Cursor& c, Qt::Alignment& align, int& indent)
{
    const auto a = alignment(c.peek());
    if (!a) {
        return false;
    }
    c.take();
    align = *a;
    if (c.peek() == QLatin1Char('(')) {
        c.take();
        indent = c.number();
        c.until(QLatin1Char(')'));
    }
    return true;
}

} // namespace

std::optional<QColor> parseListColour(QStringView bgrHex)
{
    QStringView t = bgrHex.trimmed();
    if (t.isEmpty()) {
        return std::nullopt;
    }
    if (t.endsWith(QLatin1Char('H'), Qt::CaseInsensitive)) {
        t.chop(1);
    }
    bool ok = false;
    const uint v = t.toUInt(&ok, 16);
    if (!ok) {
        return std::nullopt;
    }
    return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
}

std::vector<ListColumnFormat> parseListFormat(const QString& format)
{
    std::vector<ListColumnFormat> columns;
    Cursor c(format);
    while (!c.atEnd()) {
        if (!c.peek().isDigit()) {
            c.take(); // tolerate stray characters
            continue;
        }
        ListColumnFormat col;
        col.width = c.number();
        readAlignment(c, col.align, col.indent);
        for (bool more = true; more && !c.atEnd();) {
            const QChar ch = c.peek();
            if (ch == QLatin1Char('|')) {
                c.take();
                col.border = true;
            } else if (ch == QLatin1Char('_')) {
                c.take();
                col.underline = true;
            } else if (ch == QLatin1Char('~')) {
                c.take();
                col.header = c.until(QLatin1Char('~'));
                // Without a letter of its own the header follows the data.
                col.headerAlign = col.align;
                col.headerIndent = 0;
                readAlignment(c, col.headerAlign, col.headerIndent);
            } else if (ch == QLatin1Char('@')) {
                c.take();
                col.picture = QLatin1Char('@') + c.until(QLatin1Char('@'));
            } else if (ch == QLatin1Char('E') && !c.atEnd()) {
                c.take();
                if (c.peek() == QLatin1Char('(')) {
                    c.take();
                    const QStringList parts = c.until(QLatin1Char(')')).split(QLatin1Char(','));
                    col.text = parseListColour(parts.value(0));
                    col.background = parseListColour(parts.value(1));
                    col.selectedText = parseListColour(parts.value(2));
                    col.selectedBackground = parseListColour(parts.value(3));
                }
            } else {
                more = false;
            }
        }
        columns.push_back(col);
    }
    return columns;
}

} // namespace kv

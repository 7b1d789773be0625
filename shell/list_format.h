#pragma once

// The column layout of a list, from its format string: per column the width
// in dialog units, the data alignment with an optional indent, a border line
// at the right edge ("|"), underlining ("_"), the header text with its own
// alignment and indent, the display picture and fixed cell colours
// E(text, background, selected text, selected background), colours written
// blue-green-red in hexadecimal ("0E6E6E6H").

#include <QColor>
#include <QString>
#include <optional>
#include <vector>

namespace kv {

struct ListColumnFormat {
    int width = 0; // dialog units
    Qt::Alignment align = Qt::AlignLeft;
    int indent = 0;
    bool border = false;
    bool underline = false;
    QString header;
    Qt::Alignment headerAlign = Qt::AlignLeft;
    int headerIndent = 0;
    QString picture;
    std::optional<QColor> text, background, selectedText, selectedBackground;
};

std::vector<ListColumnFormat> parseListFormat(const QString& format);

// "0E6E6E6H" -> RGB 230,230,230.
std::optional<QColor> parseListColour(QStringView bgrHex);

} // namespace kv

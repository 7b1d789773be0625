#pragma once

// Short constructors for the controls of the sheet layouts, so that each
// layout reads as the table of controls it is.

#include "sheets/report_layout.h"

namespace kv::sheets::build {

inline FontSpec calibri(double points, bool bold = false)
{
    return {QStringLiteral("Calibri"), points, bold};
}

inline QColor grey(int level)
{
    return QColor(level, level, level);
}

inline Source literal(const QString& text)
{
    return {Source::Kind::Literal, -1, {}, text};
}
inline Source rowField(int field, const QString& picture)
{
    return {Source::Kind::RowField, field, picture, {}};
}
inline Source rowMemo(int memo)
{
    return {Source::Kind::RowMemo, memo, {}, {}};
}
inline Source subjectField(int field, const QString& picture)
{
    return {Source::Kind::SubjectField, field, picture, {}};
}
inline Source rowCount(const QString& picture)
{
    return {Source::Kind::RowCount, -1, picture, {}};
}

inline Control box(double x, double y, double w, double h, const QColor& border, const QColor& fill)
{
    Control c;
    c.kind = Control::Kind::Box;
    c.rect = {x, y, w, h};
    c.border = border;
    c.fill = fill;
    return c;
}

inline Control line(double x, double y, double w, double h, const QColor& colour)
{
    Control c;
    c.kind = Control::Kind::Line;
    c.rect = {x, y, w, h};
    c.border = colour;
    return c;
}

inline Control text(const Source& source, QRectF rect, const FontSpec& font,
    Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop)
{
    Control c;
    c.kind = Control::Kind::Text;
    c.rect = rect;
    c.source = source;
    c.font = font;
    c.align = align;
    return c;
}

// A text that takes the size of its value.
inline Control autoText(const Source& source, double x, double y, const FontSpec& font)
{
    return text(source, {x, y, kAuto, kAuto}, font);
}

inline Control multiLine(const Source& source, QRectF rect, const FontSpec& font, bool framed)
{
    Control c = text(source, rect, font);
    c.kind = Control::Kind::MultiLineText;
    c.framed = framed;
    return c;
}

inline constexpr Qt::Alignment kCentred = Qt::AlignHCenter | Qt::AlignTop;

} // namespace kv::sheets::build

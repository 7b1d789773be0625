#pragma once

// Sizes of texts in report units, for the controls that take the size of
// their text. Measured at printer resolution, so that screen hinting does
// not change the layout. Needs a QGuiApplication (the font database).

#include "sheets/report_layout.h"

#include <QFont>
#include <QSizeF>
#include <QString>

namespace kv::sheets {

// The font of a style, with the layouts' face replacements ("Calibri" is
// drawn with its metric twin where it is not installed).
QFont fontFor(const FontSpec& style);

// Width and line height of a one-line text.
QSizeF textSize(const FontSpec& style, const QString& text);

// Width of `count` digits, the room a number picture keeps for its positions.
double digitsWidth(const FontSpec& style, int count);

} // namespace kv::sheets

#pragma once

// Small helpers that every window uses to build its controls from the
// layouts: positions in dialog units, the flat icon buttons, colours.

#include "shell/dialog_units.h"

#include <QColor>
#include <QPushButton>
#include <QString>
#include <QWidget>

class QLabel;

namespace kv {
class Record;
}

namespace kv {

// Places a control at x, y, width, height in dialog units of the window's
// font; a width or height of -1 takes the control's own size.
void place(QWidget* control, const DialogUnits& du, int x, int y, int width = -1, int height = -1);

// A flat button with an icon from the resources left of its text.
QPushButton* flatButton(QWidget* parent, const QString& text, const QString& icon, bool bold = true);

// A label drawn without background, in the window's font unless changed.
QLabel* transparentLabel(QWidget* parent, const QString& text, bool bold = false);

// A display text (a field shown through a picture): bold, transparent,
// in the face and size given, optionally coloured.
QLabel* displayText(QWidget* parent, const QString& face, double points, const QColor& colour = Qt::black);

// Shows a record field through a picture in a display text, at x, y (dialog
// units) in the size of its text.
void showField(
    QLabel* label, const DialogUnits& du, const Record& record, int field, QStringView picture, int x, int y);

void setTextColour(QWidget* w, const QColor& colour);
void setBackground(QWidget* w, const QColor& colour);

// Black text on white; selected text white on black.
void setEditColours(QWidget* w);
// The same in bold, as the login's entries.
void setEntryColours(QWidget* w);

} // namespace kv

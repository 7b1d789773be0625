#pragma once

// Restores and saves a top-level window's placement through the INI service,
// converting between pixels and the dialog units of the window's font.

#include "shell/ini_manager.h"

#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>

class QWidget;

namespace kv {

// Applies the saved placement, if any, to an opened window. A saved position
// that would leave the title area off every screen is not applied: the
// window keeps its designed place. A window is never restored minimised.
void restorePlacement(INIMgr& ini, const QString& procedure, QWidget* window, bool resizable);

// Saves the window's current placement.
void savePlacement(INIMgr& ini, const QString& procedure, const QWidget* window, bool resizable);

// Whether a window of that width placed at `topLeft` (outer corner, pixels)
// shows enough of its title area on one of the screen areas to be grabbed.
bool titleAreaOnScreen(QPoint topLeft, int width, const QList<QRect>& screenAreas);

} // namespace kv

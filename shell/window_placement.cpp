#include "shell/window_placement.h"

#include "shell/dialog_units.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace kv {
namespace {

// The part of the title area that must lie on one screen for the user to
// grab the window and move it.
constexpr int kGrabWidth = 40;
constexpr int kGrabHeight = 20;

QList<QRect> screenAreas()
{
    QList<QRect> areas;
    for (const QScreen* screen : QGuiApplication::screens())
        areas.append(screen->availableGeometry());
    return areas;
}

} // namespace

bool titleAreaOnScreen(QPoint topLeft, int width, const QList<QRect>& screenAreas)
{
    const QRect title(topLeft, QSize(std::max(width, 1), kGrabHeight));
    const int needed = std::min(kGrabWidth, title.width());
    return std::any_of(screenAreas.begin(), screenAreas.end(), [&](const QRect& area) {
        const QRect visible = area.intersected(title);
        return visible.width() >= needed && visible.height() >= kGrabHeight;
    });
}

void restorePlacement(INIMgr& ini, const QString& procedure, QWidget* window, bool resizable)
{
    const std::optional<RestoredPlacement> saved = ini.fetch(procedure, resizable);
    if (!saved || !window)
        return;
    const DialogUnits units(window->font());

    if (window->isMaximized() && !saved->maximized)
        window->setWindowState(window->windowState() & ~Qt::WindowMaximized);

    // Only what was stored is applied, so that a maximised window is not
    // given its maximised size as its normal one. A damaged file may hold
    // sizes of nothing; those keep the designed size.
    if (resizable) {
        QSize size = window->size();
        if (saved->width && *saved->width > 0)
            size.setWidth(units.xToPixels(*saved->width));
        if (saved->height && *saved->height > 0)
            size.setHeight(units.yToPixels(*saved->height));
        if (size != window->size())
            window->resize(size);
    }

    // A coordinate without a value keeps its designed place.
    if (saved->x || saved->y) {
        QPoint position = window->pos();
        if (saved->x)
            position.setX(units.xToPixels(*saved->x));
        if (saved->y)
            position.setY(units.yToPixels(*saved->y));
        if (titleAreaOnScreen(position, window->frameGeometry().width(), screenAreas()))
            window->move(position);
    }

    Qt::WindowStates state = window->windowState() & ~Qt::WindowMinimized;
    if (saved->maximized)
        state |= Qt::WindowMaximized;
    window->setWindowState(state);
}

void savePlacement(INIMgr& ini, const QString& procedure, const QWidget* window, bool resizable)
{
    if (!window)
        return;
    const DialogUnits units(window->font());
    Placement current;
    current.maximized = window->isMaximized();
    current.minimized = window->isMinimized();
    current.x = units.xFromPixels(window->x());
    current.y = units.yFromPixels(window->y());
    current.width = units.xFromPixels(window->width());
    current.height = units.yFromPixels(window->height());
    ini.update(procedure, current, resizable);
}

} // namespace kv

#include "windows/OpenWindows.h"

#include <QApplication>
#include <QRect>
#include <QWidget>
#include <algorithm>

namespace {

const char groundProperty[] = "lumetraGroundWindow";

bool counts(const QWidget &window)
{
    return window.isVisible() && window.windowType() != Qt::ToolTip && !window.property(groundProperty).toBool();
}

int openedFromDepth(const QWidget &window)
{
    int depth = 0;
    for (const QWidget *parent = window.parentWidget(); parent; parent = parent->parentWidget())
        ++depth;
    return depth;
}

// Where a window's centre lands when the area it stands on becomes another: at the same
// fraction of the area's width and height, the whole window inside it where it fits.
QPoint placeWithin(const QRect &window, const QRect &from, const QRect &to)
{
    const QPoint centre = window.center() - from.topLeft();
    const int x = to.left() + centre.x() * to.width() / std::max(1, from.width()) - window.width() / 2;
    const int y = to.top() + centre.y() * to.height() / std::max(1, from.height()) - window.height() / 2;
    return { std::clamp(x, to.left(), std::max(to.left(), to.right() + 1 - window.width())),
             std::clamp(y, to.top(), std::max(to.top(), to.bottom() + 1 - window.height())) };
}

// A minimised window shows again in the state it had, maximised or full-screen included.
void restore(QWidget &window)
{
    if (window.isMinimized())
        window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
}

}

namespace OpenWindows {

void markAsGround(QWidget &window)
{
    window.setProperty(groundProperty, true);
}

QList<QWidget *> shown()
{
    QList<QWidget *> open;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (counts(*window))
            open.append(window);
    }
    std::stable_sort(open.begin(), open.end(), [](const QWidget *a, const QWidget *b) {
        return std::pair(a->isModal(), openedFromDepth(*a)) < std::pair(b->isModal(), openedFromDepth(*b));
    });
    return open;
}

bool any()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    return std::any_of(windows.cbegin(), windows.cend(), [](const QWidget *window) { return counts(*window); });
}

void bringForward()
{
    const QList<QWidget *> open = shown();
    for (QWidget *window : open) {
        // A dialog over a minimised panel is out of sight with it: the panel comes back too.
        for (QWidget *ground = window->parentWidget(); ground; ground = ground->parentWidget())
            restore(*ground);
        restore(*window);
        window->raise();
    }
    if (!open.isEmpty())
        open.last()->activateWindow();
}

void moveAlong(const QRect &from, const QRect &to)
{
    for (QWidget *window : shown()) {
        const QRect frame = window->frameGeometry();
        if (from != to && from.contains(frame.center()))
            window->move(placeWithin(frame, from, to));
    }
    bringForward();
}

}

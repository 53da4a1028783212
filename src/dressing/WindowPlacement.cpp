#include "dressing/WindowPlacement.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

QPoint centredWithin(const QSize &frame, const QRect &area)
{
    const auto centred = [](int start, int room, int length) { return start + std::max(0, room - length) / 2; };
    return { centred(area.left(), area.width(), frame.width()), centred(area.top(), area.height(), frame.height()) };
}

void centreOnScreen(QWidget &window)
{
    if (QScreen *screen = window.screen())
        centreOnScreen(window, *screen);
}

void centreOnScreen(QWidget &window, QScreen &screen)
{
    window.setScreen(&screen);
    window.move(centredWithin(window.frameGeometry().size(), screen.availableGeometry()));
}

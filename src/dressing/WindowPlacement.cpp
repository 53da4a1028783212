#include "dressing/WindowPlacement.h"

#include <QScreen>
#include <QWidget>

void centreOnScreen(QWidget &window)
{
    if (QScreen *screen = window.screen())
        centreOnScreen(window, *screen);
}

void centreOnScreen(QWidget &window, QScreen &screen)
{
    window.setScreen(&screen);
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen.availableGeometry().center());
    window.move(frame.topLeft());
}

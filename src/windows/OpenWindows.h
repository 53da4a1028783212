#pragma once

#include <QList>

class QRect;
class QWidget;

// The windows the program has open over its panel and clock: every top-level window that
// is shown, whatever opened it (a modal dialog's exec or open, a plain show, a popup menu or
// list), except the panel and the clock themselves, the ground the others stand on, and the
// tips Qt shows on hover. Asked of the application at the moment, so a new window counts by
// being shown.
namespace OpenWindows {

// Marks one of the windows that the others open over.
void markAsGround(QWidget &window);

// The open windows, each after the windows it was opened from, modal ones last.
QList<QWidget *> shown();
bool any();

// Restores the open windows that are minimised, and the windows they were opened over, then
// raises the open windows in that order and gives the last one the focus.
void bringForward();

// The ground window that covered from now covers to: the open windows over it go along,
// each to the same place relative to the area (kept inside it), and come forward over it.
void moveAlong(const QRect &from, const QRect &to);

}

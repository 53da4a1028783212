#pragma once

class QPoint;
class QRect;
class QScreen;
class QSize;
class QWidget;

// Where a window of the frame's size stands centred in the area; where it is larger than
// the area, its top-left corner stays inside, so that its title and first controls show.
QPoint centredWithin(const QSize &frame, const QRect &area);
// Places the window in the centre of the screen it is on.
void centreOnScreen(QWidget &window);
// Moves the window to the screen and places it in its centre.
void centreOnScreen(QWidget &window, QScreen &screen);

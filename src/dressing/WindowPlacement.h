#pragma once

class QScreen;
class QWidget;

// Places the window in the centre of the screen it is on.
void centreOnScreen(QWidget &window);
// Moves the window to the screen and places it in its centre.
void centreOnScreen(QWidget &window, QScreen &screen);

#pragma once

class QWidget;

// Places the window in the centre of the screen it is on.
void centreOnScreen(QWidget &window);

#pragma once

#include <functional>

class QWidget;

// Calls a procedure once after a window's first paint, when the event loop next runs: the
// painted window is on its way to the screen by then. Never when the window goes first.
void afterFirstPaint(QWidget &window, std::function<void()> procedure);

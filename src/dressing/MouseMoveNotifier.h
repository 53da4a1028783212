#pragma once

#include <QObject>
#include <functional>

class QWidget;

// Calls a procedure whenever the mouse moves over a widget (the widget's own area,
// not its children's).
void onMouseMove(QWidget &widget, std::function<void()> procedure);

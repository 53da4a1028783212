#pragma once

#include <QList>

class QWidget;

// Keeps the keyboard's focus among a group of controls, such as a row of buttons that a list's
// selection enables: a control of the group that loses the focus by being disabled hands it,
// once the window has set its controls' states, to its neighbour in the group (the next
// enabled one after it, else the nearest enabled one before it). Qt's own choice, the next
// control in the tab order, may lie outside the group, where the next Space does something
// else, such as closing the window.
namespace FocusNeighbours {

void keepFocusInGroup(const QList<QWidget *> &group);

}

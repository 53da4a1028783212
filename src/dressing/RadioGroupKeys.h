#pragma once

#include <QList>

class QRadioButton;

// Arrow keys in a group of option buttons select, as in any radio group: Down and Right
// select the next button, Up and Left the previous one, wrapping at the ends. Qt's own
// handling only moves the focus unless the focused button is already selected.
namespace RadioGroupKeys {

// The position that an arrow key selects from the given one in a group of that many
// buttons; -1 for any other key.
int positionAfterKey(int position, int count, int key);

// Has the arrow keys select among the buttons, given in their order on the screen.
void selectWithArrowKeys(const QList<QRadioButton *> &group);

}

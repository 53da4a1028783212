#pragma once

#include <QtGlobal>

class QCheckBox;
class QRadioButton;

// Check boxes hold 0 (unticked), 1 (ticked) or 2 (greyed); any other value is refused
// with "Invalid property value".
int checkValue(const QCheckBox &box);
void setCheckValue(QCheckBox &box, int value);

// Assigning True selects the option button and clears the others of its group;
// assigning False only clears it, so a group may end up with none selected.
void setOptionValue(QRadioButton &option, bool value);

#pragma once

#include "settings/ClockFormat.h"
#include "windows/FormObject.h"

// The control panel as the clock sees it: the clock brings it back when it closes, reads
// its chosen format on every tick, and its load shows stored values in two of its boxes.
class PanelForm : public FormObject {
    Q_OBJECT

public:
    // The panel's boxes that the clock's load shows stored values in.
    enum class Box { Check1, Check4 };

    // The format of the first selected format option, as the options held when the panel's
    // window was last loaded: reading it loads nothing.
    virtual ClockFormat selectedClockFormat() const = 0;
    // Shows a stored value in the box (loading the panel's window, hidden, when it is
    // unloaded): its click procedure runs and stores nothing.
    virtual void showStoredCheckValue(Box box, int value) = 0;
    // The box's value: 0 clear, 1 ticked.
    virtual int boxValue(Box box) = 0;

    // True while the panel closes only to make room for the clock.
    bool mDontUnload = false;
};

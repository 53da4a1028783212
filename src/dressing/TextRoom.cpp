#include "dressing/TextRoom.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QWidget>

#include <algorithm>

namespace {

// Widens a control by extra pixels. Of the other controls in its parent, those that stand
// to its right move along and those that span across its right edge widen with it; the
// parent widens by whatever more than the room left of its right margins they need.
void widen(QWidget &control, int extra)
{
    if (control.isWindow()) {
        const bool fixed = control.minimumWidth() == control.maximumWidth();
        if (fixed)
            control.setFixedWidth(control.width() + extra);
        else
            control.resize(control.width() + extra, control.height());
        return;
    }
    QWidget &parent = *control.parentWidget();
    const int oldRight = control.x() + control.width();
    int parentShortfall = 0;
    for (QWidget *child : parent.findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow())
            continue;
        const int right = child->x() + child->width();
        // Room to the right margin, which keeps at least the control's own left inset.
        const int slack = std::max(0, parent.width() - right - child->x());
        if (child->x() >= oldRight)
            child->move(child->x() + extra, child->y());
        else if (right >= oldRight)
            child->resize(child->width() + extra, child->height());
        else
            continue;
        // A control hidden for good (the tray option) goes along but claims no room.
        if (child->isVisibleTo(&parent))
            parentShortfall = std::max(parentShortfall, extra - slack);
    }
    if (parentShortfall > 0)
        widen(parent, parentShortfall);
}

int neededWidth(const QWidget &control)
{
    // A frame's minimum is its title's; a button's hint is its text and indicator.
    if (qobject_cast<const QGroupBox *>(&control))
        return control.minimumSizeHint().width();
    return control.sizeHint().width();
}

}

void makeRoomForTexts(QWidget &window)
{
    // Buttons first, then the frames around them, which may have grown already.
    QList<QWidget *> controls;
    for (QAbstractButton *button : window.findChildren<QAbstractButton *>())
        controls.append(button);
    for (QGroupBox *frame : window.findChildren<QGroupBox *>())
        controls.append(frame);
    for (QWidget *control : controls) {
        const int shortfall = neededWidth(*control) - control->width();
        if (shortfall > 0)
            widen(*control, shortfall);
    }
}

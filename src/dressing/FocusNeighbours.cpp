#include "dressing/FocusNeighbours.h"

#include <QEvent>
#include <QPointer>
#include <QWidget>

namespace FocusNeighbours {
namespace {

// The position of the control that takes the focus from the one at from, by the controls'
// enabled states in the group's order; -1 when none is enabled.
int neighbourOf(int from, const QList<bool> &enabled)
{
    const auto count = static_cast<int>(enabled.size());
    for (int position = from + 1; position < count; ++position) {
        if (enabled[position])
            return position;
    }
    for (int position = from - 1; position >= 0; --position) {
        if (enabled[position])
            return position;
    }
    return -1;
}

class DisabledFocusFilter : public QObject {
public:
    DisabledFocusFilter(QList<QWidget *> group, QObject *parent)
        : QObject(parent)
        , mGroup(std::move(group))
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *control = static_cast<QWidget *>(watched);
        // The first control to lose the focus while the states change is the one the person
        // was on; the states settle before the posted move runs.
        if (event->type() == QEvent::FocusOut && !control->isEnabled() && !mLeft) {
            mLeft = control;
            QMetaObject::invokeMethod(this, &DisabledFocusFilter::moveFocus, Qt::QueuedConnection);
        }
        return false;
    }

private:
    void moveFocus()
    {
        QWidget *left = mLeft;
        mLeft = nullptr;
        if (!left)
            return;
        QList<bool> enabled;
        for (const QWidget *control : mGroup)
            enabled.append(control->isEnabled());
        const int target = left->isEnabled() ? static_cast<int>(mGroup.indexOf(left))
                                             : neighbourOf(static_cast<int>(mGroup.indexOf(left)), enabled);
        if (target >= 0)
            mGroup[target]->setFocus(Qt::TabFocusReason);
    }

    QList<QWidget *> mGroup;
    QPointer<QWidget> mLeft;
};

}

void keepFocusInGroup(const QList<QWidget *> &group)
{
    if (group.isEmpty())
        return;
    auto *filter = new DisabledFocusFilter(group, group.first());
    for (QWidget *control : group)
        control->installEventFilter(filter);
}

}

#include "dressing/RadioGroupKeys.h"

#include <QKeyEvent>
#include <QRadioButton>

namespace RadioGroupKeys {
namespace {

class ArrowKeyFilter : public QObject {
public:
    ArrowKeyFilter(QList<QRadioButton *> group, QObject *parent)
        : QObject(parent)
        , mGroup(std::move(group))
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->modifiers() & ~Qt::KeypadModifier)
            return false;
        const auto position = static_cast<int>(mGroup.indexOf(static_cast<QRadioButton *>(watched)));
        const int target = positionAfterKey(position, static_cast<int>(mGroup.size()), key->key());
        if (position < 0 || target < 0)
            return false;
        QRadioButton *button = mGroup[target];
        button->setFocus(Qt::TabFocusReason);
        // A click selects the button, and its selection runs its click procedure.
        button->click();
        return true;
    }

private:
    QList<QRadioButton *> mGroup;
};

}

int positionAfterKey(int position, int count, int key)
{
    if (count <= 0)
        return -1;
    switch (key) {
    case Qt::Key_Down:
    case Qt::Key_Right:
        return (position + 1) % count;
    case Qt::Key_Up:
    case Qt::Key_Left:
        return (position + count - 1) % count;
    default:
        return -1;
    }
}

void selectWithArrowKeys(const QList<QRadioButton *> &group)
{
    if (group.isEmpty())
        return;
    auto *filter = new ArrowKeyFilter(group, group.first());
    for (QRadioButton *button : group)
        button->installEventFilter(filter);
}

}

#include "dressing/MouseMoveNotifier.h"

#include <QEvent>
#include <QWidget>

namespace {

class MouseMoveFilter : public QObject {
public:
    MouseMoveFilter(QWidget &widget, std::function<void()> procedure)
        : QObject(&widget)
        , mProcedure(std::move(procedure))
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::MouseMove)
            mProcedure();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> mProcedure;
};

}

void onMouseMove(QWidget &widget, std::function<void()> procedure)
{
    widget.setMouseTracking(true);
    // A move over this widget is its own, not also one over the widget beneath it.
    widget.setAttribute(Qt::WA_NoMousePropagation);
    widget.installEventFilter(new MouseMoveFilter(widget, std::move(procedure)));
}

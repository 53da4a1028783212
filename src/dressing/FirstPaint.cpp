#include "dressing/FirstPaint.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {

class FirstPaintFilter : public QObject {
public:
    FirstPaintFilter(QWidget &window, std::function<void()> procedure)
        : QObject(&window)
        , mWindow(window)
        , mProcedure(std::move(procedure))
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == &mWindow && event->type() == QEvent::Paint) {
            mWindow.removeEventFilter(this);
            QTimer::singleShot(0, &mWindow, std::move(mProcedure));
            deleteLater();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget &mWindow;
    std::function<void()> mProcedure;
};

}

void afterFirstPaint(QWidget &window, std::function<void()> procedure)
{
    window.installEventFilter(new FirstPaintFilter(window, std::move(procedure)));
}

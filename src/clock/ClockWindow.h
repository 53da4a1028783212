#pragma once

#include "dressing/MousePointer.h"

#include <QWidget>

class QLabel;
class QTimer;
class TimeStrip;

// The full-screen clock's window with its controls, as designed. Behaviour lives in
// Form2; the timers belong to the window, so unloading it stops them.
class ClockWindow : public QWidget {
    Q_OBJECT

public:
    ClockWindow();

    // Covers the whole screen the window is on, with or without a window manager.
    void showOverScreen(QScreen *screen);

    void setBackColor(const QColor &colour);
    QColor backColor() const { return mBackColor; }

    TimeStrip *Picture1;
    QLabel *lblTime;
    QLabel *Label1;
    QTimer *Timer1;
    QTimer *Timer2;

    MousePointer pointer;

signals:
    void resized();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QColor mBackColor = Qt::black;
};

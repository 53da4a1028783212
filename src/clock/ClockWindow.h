#pragma once

#include "dressing/MousePointer.h"

#include <QColor>
#include <QWidget>
#include <memory>

class QLabel;
class QTimer;
class TimeStrip;
class OtherZonesView;
class WallScreenMenu;

// The full-screen clock's window with its controls, as designed. Behaviour lives in
// Form2; the timers belong to the window, so unloading it stops them.
class ClockWindow : public QWidget {
    Q_OBJECT

public:
    ClockWindow();
    ~ClockWindow() override;

    // Covers the whole screen the window is on, with or without a window manager.
    void showOverScreen(QScreen *screen);

    void hideOptionsTip();

    void setBackColor(const QColor &colour);
    void setVisible(bool visible) override;
    QColor backColor() const { return mBackColor; }

    TimeStrip *Picture1;
    // Measures the time's font; never shown, and kept out of the window so that screen
    // readers do not find it.
    QLabel *lblTime;
    QLabel *Label1;
    // The hint's colour before night dimming.
    static inline const QColor hintColour = Qt::white;
    // "Right-click or press Menu for wall-screen options", under the hint for a while after
    // the panel's button opened the clock.
    QLabel *optionsTip;
    QTimer *optionsTipTimer;
    QTimer *Timer1;
    QTimer *Timer2;

    MousePointer pointer;

    // The date and place lines under the time, shown when either option is on, and the
    // clock-change notice under them.
    QLabel *infoLines;
    // The notice's line of infoLines as screen readers meet it: a notification that draws
    // nothing, over that line, shown while there is a notice. A new notice shows anew, and
    // so is announced.
    QWidget *noticeLine;
    void setNotice(const QString &text);
    QString notice() const { return mNotice; }
    // "Time may be off: not synchronised", under those lines, while the clock warns of it.
    QLabel *syncWarning;
    // The zones whose files cannot be read, under the warning, while there are any.
    QLabel *zoneWarning;
    // The other zones, under all of those.
    OtherZonesView *otherZones;
    WallScreenMenu *optionsMenu;
    // Fires once, 3 s after the pointer last moved, to hide it.
    QTimer *pointerIdleTimer;

signals:
    void resized();
    // The window came on screen again or moved to another screen.
    void exposed();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::unique_ptr<QLabel> mMeasuringLabel;
    QString mNotice;
    QColor mBackColor = Qt::black;
    bool mWatchingExposure = false;
};

#pragma once

#include "clock/PointerIdle.h"
#include "clock/TimeFormat.h"
#include "clock/WallScreenOptions.h"
#include "windows/FormObject.h"
#include "timezones/ZoneTime.h"

#include <QColor>
#include <QPoint>

class ClockWindow;
class ProgramContext;
class QScreen;

// The full-screen clock: draws the time of day, centred, ten times a second, in the
// stored font and colours and in the format selected on the control panel, until Esc
// (or any other close) brings the panel back.
class Form2 : public FormObject {
    Q_OBJECT

public:
    explicit Form2(ProgramContext &program);

    // The clock's controls, loading the window again (hidden) when it is unloaded.
    ClockWindow &ui();

    void Form_Load() override;
    void Form_Resize();
    void Timer1_Timer();
    void Timer2_Timer();
    void Form_KeyDown(int key);
    void Form_MouseMove();
    // A double-click or double tap closes the clock as Esc does.
    void Form_DblClick();

    // The wall-screen options as the menu changes them: stored at once and shown.
    const WallScreenOptions &wallScreenOptions() const { return mOptions; }
    void setFitToScreen(bool on);
    void setBurnInGuard(bool on);
    void setShowDate(bool on);
    void setShowZone(bool on);
    void setNightRange(std::optional<QTime> from, QTime to);
    void setNightLevel(int percent);
    void openOptionsMenu(const QPoint &globalPosition);

    // Shows the clock over the whole of the given screen, holding off the screen saver
    // while it is shown when keep-awake is on.
    void ShowOverScreen(QScreen *screen);
    // Gives back the idle inhibition, if the clock holds one.
    void releaseIdleInhibition();

    // Minutes added to the local time of day before it is shown.
    qint32 mTimeZone = 0;

    // The zone whose time the clock shows; mTimeZone follows its offset (and the
    // computer's own) through daylight-saving changes while the clock is open.
    void setChosenZone(const QTimeZone &zone, const QDateTime &now);

    bool mHideArmed = false;
    int mHideStep = 0;

protected:
    QWidget *createWindow() override;
    void Form_QueryUnload() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void applyFontSettings(QWidget &target, int firstLine, class ErrorTrap &trap);
    void scheduleNextTick(const QTime &now);

    void connectWallScreenParts(ClockWindow &window);
    // Brings the window to the options in force after a load or a change.
    void showWallScreenOptions();
    // Shows the options on the menu and the lines; lays the window out again when asked.
    void applyWallScreenOptions(bool layOut);
    void setOnOffOption(const QString &key, bool WallScreenOptions::*option, bool on);
    // What changes with time: the burn-in place, the brightness, the date.
    void followWallScreenOptions(const QDateTime &instant);
    void fitTimeToWindow(ClockWindow &window);
    void fitInfoLines(ClockWindow &window);
    void placeClockBlock(ClockWindow &window);
    void setBrightness(int percent);
    // The pointer shows until it rests for 3 s.
    void pointerMoved(ClockWindow &window);
    void hidePointerWhenIdle();

    WallScreenOptions mOptions;
    // The time's colour and point size as stored, before dimming and fitting change them.
    QColor mDigitColour;
    int mStoredPoints = 0;
    int mBrightness = 100;
    QPoint mBurnInOffset;
    TimeFormat::ClockFormat mFittedFormat = TimeFormat::ClockFormat::None;
    PointerIdle mPointerIdle;

    ProgramContext &mProgram;
    bool mIdleInhibited = false;
    ZoneTime::OffsetKeeper mZone;
};

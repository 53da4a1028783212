#pragma once

#include "clock/TimeFormat.h"
#include "dressing/ScreenIdentity.h"
#include "windows/FormObject.h"
#include "timezones/ZoneTime.h"

#include <optional>

class ClockWindow;
class ProgramContext;
class QScreen;

// The full-screen clock: draws the time of day, centred, in the stored font and colours
// and in the format selected on the control panel, until Esc (or any other close) brings
// the panel back. It ticks when the text can change and whenever something may have
// changed the picture.
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

    // Shows the clock over the whole of the wanted screen, else of the primary, and keeps
    // it there through hot-plug and mode changes, holding off the screen saver while it is
    // shown when keep-awake is on. A wanted screen that is connected is remembered.
    void ShowOverScreen(const ScreenIdentity &wanted);
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
    // Runs the tick as soon as events are handled: something may have changed the picture.
    void tickSoon();
    // Sets the tick for the next moment at which the text can change.
    void scheduleNextTick(const QDateTime &instant, TimeFormat::ClockFormat format);
    void watchScreen(QScreen &screen);
    // Puts a shown clock over the wanted screen, else the primary, after a screen change.
    void followScreens();

    ProgramContext &mProgram;
    bool mIdleInhibited = false;
    // Ticks begun so far, so that a tick can tell whether another ran inside it.
    quint64 mTicksStarted = 0;
    ZoneTime::OffsetKeeper mZone;
    ScreenIdentity mWantedScreen;
    // Whether the platform says when the computer's clock is set; asked at the first load.
    std::optional<bool> mClockChangesReported;
};

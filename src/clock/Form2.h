#pragma once

#include "windows/FormObject.h"
#include "timezones/ZoneTime.h"

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

    ProgramContext &mProgram;
    bool mIdleInhibited = false;
    ZoneTime::OffsetKeeper mZone;
};

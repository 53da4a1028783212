#pragma once

#include "clock/OtherZoneClocks.h"
#include "clock/TimeFormat.h"
#include "dressing/ScreenIdentity.h"
#include "timezones/ZoneFileWatch.h"
#include "timezones/ZoneTime.h"
#include "wallscreen/ClockTimeText.h"
#include "wallscreen/PointerIdle.h"
#include "wallscreen/SyncWarning.h"
#include "wallscreen/WallScreenOptions.h"
#include "windows/FormObject.h"

#include <QColor>
#include <QMap>
#include <QPoint>
#include <optional>

class ClockWindow;
class ProgramContext;
class QLabel;
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
    // A double-click or double tap closes the clock as Esc does.
    void Form_DblClick();

    // The wall-screen options in force, as the store reads them.
    const WallScreenOptions &wallScreenOptions() const { return mOptions; }
    // Stores texts chosen for the options, by key, and shows the options the store then reads.
    void storeWallScreenOptions(const QMap<QString, QString> &texts);
    // Opened by the keyboard, the menu tells screen readers that it has the focus, and so is
    // named as it opens.
    void openOptionsMenu(const QPoint &globalPosition, bool byKeyboard = false);
    // Opens the dialog of night hours of the user's own; OK stores and shows them.
    void chooseNightHours();
    // The line that tells where the options are, under the hint for 10 s, unless the hint
    // is hidden.
    void showOptionsTip();
    // The zones shown under the time: their window, and a change made there (stored at once).
    void openOtherZones();
    void setOtherZones(const OtherZoneList::Entries &entries);

    // Shows the clock over the whole of the wanted screen, else of the primary, and keeps
    // it there through hot-plug and mode changes, holding off the screen saver while it is
    // shown when keep-awake is on. A wanted screen that is connected is remembered.
    void ShowOverScreen(const ScreenIdentity &wanted);
    // Gives back the idle inhibition, if the clock holds one.
    void releaseIdleInhibition();

    // Minutes added to the local time of day before it is shown.
    qint32 mTimeZone = 0;

    // The zone whose time the clock shows, by its identifier; mTimeZone follows its offset
    // (and the computer's own) through daylight-saving changes while the clock is open. A zone
    // whose file cannot be read gives the computer's time, and a line under it says so.
    void setChosenZone(const QByteArray &zone, const QDateTime &now);

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
    // Reads the zone files again after a change and shows the time by them.
    void zoneFilesChanged();
    // Watches the files of the clock's zone, the computer's and the other zones.
    void watchZoneFiles();

    void connectWallScreenParts(ClockWindow &window);
    // Brings the window to the options in force after a load or a change.
    void showWallScreenOptions();
    // Shows the options on the menu and the lines; lays the window out again when asked.
    void applyWallScreenOptions(bool layOut);
    // What changes with time: the burn-in place, the brightness, the date.
    void followWallScreenOptions(const QDateTime &instant);
    // The line announcing the clock zone's next change, when it comes within a day.
    QString clockChangeNotice(const QDateTime &instant) const;
    // The time's point size: the stored one, or the fitted one where that is asked for or
    // the stored one would cut the time off.
    void sizeTime(ClockWindow &window);
    TimeFormat::ClockFormat shownClockFormat() const;
    // Times in the lines and the menu, on the clock the time shows.
    ClockTimeText clockTimeText() const;
    // Sets a line's size: the time's divided by share, or smaller where it is too wide.
    void fitLine(ClockWindow &window, QLabel &line, int share);
    // The lines under the time in the time's colour (the warnings at half its brightness),
    // and the hint and tip dimmed as the time is.
    void colourLines(ClockWindow &window);
    void placeClockBlock(ClockWindow &window);
    void setBrightness(int percent);
    // What screen readers read of the clock, made when they ask: the time as the strip
    // shows it at that moment, the lines under it by themselves, and, as the window's
    // description that is spoken when the clock gets the focus, all of it. Nothing is set as
    // the time goes on, so nothing is announced every second or minute; a clock-change notice
    // and the warnings announce themselves as they appear.
    void speakTheClock(ClockWindow &window);
    QString spokenTime();
    QString spokenClockText();
    // The pointer shows until it rests for 3 s.
    void pointerMoved(ClockWindow &window);
    void hidePointerWhenIdle();
    // Reads the stored other zones and shows the block when any is shown.
    void readOtherZones();
    // Brings the other zones' faces to the instant; true when they need laying out anew.
    bool followOtherZones(ClockWindow &window, const QDateTime &instant);
    // Lays the other zones out under used pixels of the window's height; their height.
    int layOutOtherZones(ClockWindow &window, int used);

    WallScreenOptions mOptions;
    // The locale's markers after a 12-hour time, read once: the time is formatted every second.
    const DayHalfMarkers mDayHalves = DayHalfMarkers::of(QLocale::system());
    // The time's colour and point size as stored, before dimming and fitting change them.
    QColor mDigitColour;
    int mStoredPoints = 0;
    int mBrightness = 100;
    QPoint mBurnInOffset;
    TimeFormat::ClockFormat mFittedFormat = TimeFormat::ClockFormat::None;
    PointerIdle mPointerIdle;
    SyncWarning mSyncWarning;
    OtherZoneClocks mOtherZones;

    ProgramContext &mProgram;
    bool mIdleInhibited = false;
    // Ticks begun so far, so that a tick can tell whether another ran inside it.
    quint64 mTicksStarted = 0;
    // The date and place lines, and the clock-change notice, as the line under the time
    // shows them.
    QString mDatePlaceLines;
    QString mNotice;
    ZoneTime::OffsetKeeper mZone;
    // The chosen zone's and the computer's zone files: a change reaches the clock at once.
    ZoneFileWatch mZoneFiles;
    ScreenIdentity mWantedScreen;
    // Whether the platform says when the computer's clock is set; asked at the first load.
    std::optional<bool> mClockChangesReported;
};

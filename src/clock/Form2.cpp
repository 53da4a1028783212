#include "clock/Form2.h"

#include "base/ErrorReport.h"
#include "base/ErrorTrap.h"
#include "base/PlatformServices.h"
#include "base/RuntimeError.h"
#include "clock/ClockScreenSetting.h"
#include "clock/ClockScreens.h"
#include "clock/ClockWindow.h"
#include "clock/HideWord.h"
#include "clock/TimeFormat.h"
#include "drawing/TimeStrip.h"
#include "dressing/MouseMoveNotifier.h"
#include "dressing/WindowDressing.h"
#include "platform/OleColor.h"
#include "settings/Conversions.h"
#include "settings/FontDefaults.h"
#include "settings/SettingsStore.h"
#include "windows/PanelForm.h"
#include "windows/ProgramContext.h"

#include <QContextMenuEvent>
#include <QGestureEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QScreen>
#include <QTimer>

#include <algorithm>

namespace {

// The error report's location texts of the guarded procedures.
const QString formLoadLocation = ErrorReport::location("Form2", "Form_Load");
const QString timer1TimerLocation = ErrorReport::location("Form2", "Timer1_Timer");
const QString timer2TimerLocation = ErrorReport::location("Form2", "Timer2_Timer");
const QString formKeyDownLocation = ErrorReport::location("Form2", "Form_KeyDown");
const QString formQueryUnloadLocation = ErrorReport::location("Form2", "Form_QueryUnload");

// The tick's period while the time cannot be read to set the next tick by the text.
constexpr int tickPeriod = 1000;

HideWord::Key hideWordKey(int key)
{
    switch (key) {
    case Qt::Key_H:
        return HideWord::Key::H;
    case Qt::Key_I:
        return HideWord::Key::I;
    case Qt::Key_D:
        return HideWord::Key::D;
    case Qt::Key_E:
        return HideWord::Key::E;
    default:
        return HideWord::Key::Other;
    }
}

// The Menu key and Shift+F10 open the menu, as they open context menus elsewhere.
bool opensTheMenu(const QKeyEvent &press)
{
    return press.key() == Qt::Key_Menu
        || (press.key() == Qt::Key_F10 && (press.modifiers() & ~Qt::KeypadModifier) == Qt::ShiftModifier);
}

QColor storedColour(SettingsStore &settings, const QString &key, int defaultValue)
{
    return OleColor::toColor(Conversions::toInt32(settings.GetSetting(key, defaultValue)));
}

}

Form2::Form2(ProgramContext &program)
    : mProgram(program)
{
    connect(qGuiApp, &QGuiApplication::screenAdded, this, [this](QScreen *screen) {
        watchScreen(*screen);
        followScreens();
    });
    connect(qGuiApp, &QGuiApplication::screenRemoved, this, &Form2::followScreens);
    connect(qGuiApp, &QGuiApplication::primaryScreenChanged, this, &Form2::followScreens);
    for (QScreen *screen : QGuiApplication::screens())
        watchScreen(*screen);
    connect(&mZoneFiles, &ZoneFileWatch::changed, this, &Form2::zoneFilesChanged);
}

void Form2::watchScreen(QScreen &screen)
{
    // A new size or rotation lays the clock out again over the screen.
    connect(&screen, &QScreen::geometryChanged, this, &Form2::followScreens);
}

void Form2::followScreens()
{
    if (!isLoaded() || !ui().isVisible())
        return;
    // With no screen left the clock waits for the first one that appears.
    if (QScreen *screen = ClockScreens::chosen(mWantedScreen))
        ui().showOverScreen(screen);
}

ClockWindow &Form2::ui()
{
    return static_cast<ClockWindow &>(window());
}

QWidget *Form2::createWindow()
{
    auto *window = new ClockWindow;
    speakTheClock(*window);
    connect(window, &ClockWindow::resized, this, &Form2::Form_Resize);
    connect(window->Timer1, &QTimer::timeout, this, &Form2::Timer1_Timer);
    connect(window->Timer2, &QTimer::timeout, this, &Form2::Timer2_Timer);
    connect(window, &ClockWindow::exposed, this, &Form2::tickSoon);
    onMouseMove(*window, [this] { Form_MouseMove(); });
    connectWallScreenParts(*window);
    if (!mClockChangesReported)
        mClockChangesReported = mProgram.platform().watchClockChanges([this] { tickSoon(); });
    window->Timer1->start(0);
    return window;
}

bool Form2::eventFilter(QObject *watched, QEvent *event)
{
    // The window sees every key before its controls.
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto *press = static_cast<QKeyEvent *>(event);
        const int key = press->key();
        Form_KeyDown(key);
        if (opensTheMenu(*press) && isLoaded())
            openOptionsMenu(ui().mapToGlobal(ui().rect().center()), true);
        return true;
    }
    case QEvent::ContextMenu:
        openOptionsMenu(static_cast<QContextMenuEvent *>(event)->globalPos(),
                        static_cast<QContextMenuEvent *>(event)->reason() == QContextMenuEvent::Keyboard);
        return true;
    case QEvent::Gesture:
        if (const QGesture *hold = static_cast<QGestureEvent *>(event)->gesture(Qt::TapAndHoldGesture)) {
            if (hold->state() == Qt::GestureFinished)
                openOptionsMenu(hold->hotSpot().toPoint());
            return true;
        }
        break;
    case QEvent::MouseButtonDblClick:
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
            Form_DblClick();
            return true;
        }
        break;
    case QEvent::ScreenChangeInternal:
        // Points become other pixels on another screen.
        Form_Resize();
        break;
    default:
        break;
    }
    return FormObject::eventFilter(watched, event);
}

void Form2::Form_Load()
{
    ClockWindow &window = ui();
    SettingsStore &settings = mProgram.settings();
    ErrorTrap trap(mProgram.platform(), formLoadLocation);
    PanelForm &panel = mProgram.form1();

    trap.line(100, [&] { Form_Resize(); });
    trap.line(102, [&] { window.setWindowIcon(mProgram.appIcon()); });
    trap.line(104, [&] {
        panel.showStoredCheckValue(PanelForm::Box::Check1, Conversions::toInt16(settings.GetSetting("Check1", 0)));
    });
    if (trap.condition(106, [&] { return panel.boxValue(PanelForm::Box::Check1) == 1; })) {
        window.Label1->hide();
        window.hideOptionsTip();
    } else {
        window.Label1->show();
    }
    trap.line(108, [&] {
        panel.showStoredCheckValue(PanelForm::Box::Check4, Conversions::toInt16(settings.GetSetting("Check4", 1)));
    });
    if (trap.condition(110, [&] { return panel.boxValue(PanelForm::Box::Check4) == 1; })) {
        if (!window.Timer2->isActive())
            window.Timer2->start();
    } else {
        window.Timer2->stop();
    }
    trap.line(112, [&] {
        const QTime shown = TimeFormat::shiftedTimeOfDay(mProgram.platform().currentDateTime().time(), mTimeZone);
        window.lblTime->setText(QLocale::system().toString(shown, QLocale::LongFormat));
    });
    applyFontSettings(*window.lblTime, 114, trap);
    applyFontSettings(*window.Picture1, 126, trap);
    trap.line(138, [&] { window.setBackColor(storedColour(settings, "Background Color", 0)); });
    trap.line(140, [&] { window.Picture1->setForeColor(storedColour(settings, "Font Color", 16777215)); });
    trap.line(142, [&] { window.Picture1->setBackColor(window.backColor()); });
    trap.line(144, [&] { setBackgroundColour(*window.lblTime, window.backColor()); });
    trap.line(146, [&] {
        QPalette palette = window.lblTime->palette();
        palette.setColor(QPalette::WindowText, storedColour(settings, "Font Color", 16777215));
        window.lblTime->setPalette(palette);
    });
    trap.line(148, [&] { setBackgroundColour(*window.Label1, window.backColor()); });
    trap.line(150, [&] { mHideArmed = false; });
    trap.line(152, [&] { mHideStep = 0; });
    trap.line(154, [&] { mOptions = WallScreenOptions::read(settings); });
    trap.line(156, [&] { showWallScreenOptions(); });
}

void Form2::applyFontSettings(QWidget &target, int firstLine, ErrorTrap &trap)
{
    SettingsStore &settings = mProgram.settings();
    const auto changeFont = [&](int line, const std::function<void(QFont &)> &change) {
        trap.line(line, [&] {
            QFont font = target.font();
            change(font);
            target.setFont(font);
        });
    };
    const auto flag = [&](const char *key, const QString &defaultValue) {
        return Conversions::isFontFlagSet(settings.GetSetting(key, defaultValue));
    };
    changeFont(firstLine, [&](QFont &font) { font.setFamily(settings.GetSetting("FontName", FontDefaults::name)); });
    changeFont(firstLine + 2, [&](QFont &font) { font.setBold(flag("FontBold", FontDefaults::bold)); });
    changeFont(firstLine + 4, [&](QFont &font) { font.setItalic(flag("FontItalic", "False")); });
    changeFont(firstLine + 6, [&](QFont &font) {
        const int points = Conversions::toInt16(settings.GetSetting("FontSize", FontDefaults::size));
        if (points <= 0)
            throw RuntimeError(RuntimeErrors::invalidPropertyValue);
        font.setPointSize(std::max(points, FontDefaults::smallestClockPoints));
    });
    changeFont(firstLine + 8, [&](QFont &font) { font.setStrikeOut(flag("FontStrikeThru", "False")); });
    changeFont(firstLine + 10, [&](QFont &font) { font.setUnderline(flag("FontUnderLine", "False")); });
}

void Form2::Form_Resize()
{
    ClockWindow &window = ui();
    sizeTime(window);
    window.lblTime->hide();
    window.Picture1->hide();
    placeClockBlock(window);
    tickSoon();
}

void Form2::Timer1_Timer()
{
    ClockWindow &window = ui();
    const quint64 tick = ++mTicksStarted;
    // The next tick is due before this one's steps run: a report opened by a step keeps
    // its box up while later ticks go on drawing the time.
    window.Timer1->start(tickPeriod);
    ErrorTrap trap(mProgram.platform(), timer1TimerLocation);
    // A format of another width is sized anew before the strip shows.
    if (shownClockFormat() != mFittedFormat)
        Form_Resize();
    QDateTime instant;
    // Until the format is known, the text may change every second.
    TimeFormat::ClockFormat format = TimeFormat::ClockFormat::HoursMinutesSecondsAmPm;
    QTime shown;
    QString text;
    int x = 0;
    trap.line(100, [&] { window.Picture1->show(); });
    trap.line(102, [&] { window.Picture1->Cls(); });
    trap.line(104, [&] {
        instant = mProgram.platform().currentDateTime();
        if (!mZone.chosenId().isEmpty())
            mTimeZone = mZone.offsetAt(instant);
        shown = TimeFormat::shiftedTimeOfDay(instant.time(), mTimeZone);
    });
    trap.line(106, [&] {
        format = shownClockFormat();
        text = TimeFormat::format(shown, format, mDayHalves);
    });
    trap.line(108, [&] { x = TimeFormat::centredX(window.Picture1->width(), window.Picture1->TextWidth(text)); });
    trap.line(110, [&] { window.Picture1->Print(x, text); });
    // A clear and a draw in the same tick make one repaint, of what really changed.
    trap.line(112, [&] { window.Picture1->Refresh(); });
    trap.line(114, [&] { followWallScreenOptions(instant); });
    // A tick that ran inside this one (under its report) set the next from a later reading.
    if (tick == mTicksStarted)
        scheduleNextTick(instant, format);
}

void Form2::tickSoon()
{
    if (isLoaded())
        ui().Timer1->start(0);
}

void Form2::scheduleNextTick(const QDateTime &instant, TimeFormat::ClockFormat format)
{
    // The tick may have closed the clock; an unloaded clock has no timer to run.
    if (!isLoaded() || !instant.isValid())
        return;
    // Unless the platform tells when the clock is set, a look every second notices it.
    const TimeFormat::ClockFormat finest
        = mClockChangesReported.value_or(false) ? format : TimeFormat::ClockFormat::HoursMinutesSecondsAmPm;
    qint64 wait = TimeFormat::msecsToNextChange(instant.time(), finest);
    if (!mZone.chosenId().isEmpty() && mZone.validUntil().isValid())
        wait = std::clamp<qint64>(instant.msecsTo(mZone.validUntil()), 0, wait);
    ui().Timer1->start(static_cast<int>(wait));
}

void Form2::setChosenZone(const QByteArray &zone, const QDateTime &now)
{
    mZone = ZoneTime::OffsetKeeper(zone);
    watchZoneFiles();
    mTimeZone = mZone.offsetAt(now);
}

void Form2::watchZoneFiles()
{
    mZoneFiles.watch(mZone.files() + mOtherZones.files());
}

void Form2::zoneFilesChanged()
{
    mZone.reload();
    mOtherZones.reload();
    // The computer's zone may now be another file.
    watchZoneFiles();
    tickSoon();
}

void Form2::Timer2_Timer()
{
    PlatformServices &platform = mProgram.platform();
    ErrorTrap trap(platform, timer2TimerLocation);
    // The key is the last resort (a screen reader speaks each one). It goes to the window with
    // the keyboard focus: pressed only into the clock, never into another program that someone
    // works in (on another monitor).
    const bool keyChosen = KeepAwakeMeans::choose(platform.keepAwakeOffered()).rightShift;
    if (keyChosen && isLoaded() && ui().isActiveWindow()) {
        trap.line(100, [&] { platform.sendRightShift(true); });
        trap.line(102, [&] { platform.sendRightShift(false); });
    }
    trap.line(104, [&] { platform.simulateUserActivity(); });
}

void Form2::Form_KeyDown(int key)
{
    ClockWindow &window = ui();
    ErrorTrap trap(mProgram.platform(), formKeyDownLocation);
    const HideWord::Key wordKey = hideWordKey(key);
    trap.line(100, [&] {
        if (wordKey == HideWord::Key::Other) {
            mHideArmed = false;
            mHideStep = 0;
        }
    });
    if (trap.condition(102, [&] { return key == Qt::Key_Escape; })) {
        trap.line(104, [&] { window.hide(); });
        trap.line(106, [&] { Unload(); });
        trap.line(108, [&] { mProgram.form1().Show(); });
        return;
    }
    if (wordKey == HideWord::Key::Other)
        return;
    HideWord::Result result;
    trap.line(110, [&] { result = HideWord::press({ mHideArmed, mHideStep }, wordKey); });
    // The word changes the hint's setting for this opening: a hint the site locks stays.
    if (result.hideHint) {
        mProgram.settings().change("Check1", [&] {
            const bool hintShowing = window.Label1->width() != 0 && window.Label1->height() != 0;
            if (hintShowing && !window.isMinimized()) {
                trap.line(112, [&] { window.Label1->resize(0, window.Label1->height()); });
                trap.line(114, [&] { window.Label1->resize(window.Label1->width(), 0); });
            }
            // The tip goes with the hint.
            window.hideOptionsTip();
        });
    }
    trap.line(116, [&] {
        mHideArmed = result.next.armed;
        mHideStep = result.next.step;
    });
}

void Form2::Form_QueryUnload()
{
    releaseIdleInhibition();
    ErrorTrap trap(mProgram.platform(), formQueryUnloadLocation);
    // The panel comes back where the clock was.
    trap.line(100, [&] { mProgram.form1().ShowCentredOn(window().screen()); });
    trap.line(102, [&] { mProgram.form1().mDontUnload = false; });
}

void Form2::Form_MouseMove()
{
    ui().pointer.setUnlessBusy(MousePointer::Default);
    pointerMoved(ui());
}

void Form2::Form_DblClick()
{
    Form_KeyDown(Qt::Key_Escape);
}

void Form2::ShowOverScreen(const ScreenIdentity &wanted)
{
    mWantedScreen = ClockScreenSetting::inForce(mProgram.settings(), wanted);
    if (const QScreen *screen = ClockScreens::connected(mWantedScreen))
        ClockScreenSetting::store(mProgram.settings(), ClockScreens::identityOf(*screen));
    ClockWindow &window = ui();
    window.showOverScreen(ClockScreens::chosen(mWantedScreen));
    // Held from the showing on: the session's service, and the X server's screen saver suspended.
    if (window.Timer2->isActive() && !mIdleInhibited) {
        mIdleInhibited = true;
        mProgram.platform().inhibitIdle();
    }
}

void Form2::releaseIdleInhibition()
{
    if (!mIdleInhibited)
        return;
    mIdleInhibited = false;
    mProgram.platform().releaseIdleInhibition();
}

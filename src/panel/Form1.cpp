#include "panel/Form1.h"

#include "base/AppTitle.h"
#include "base/ErrorReport.h"
#include "base/ErrorTrap.h"
#include "base/HomePageDraw.h"
#include "base/PlatformServices.h"
#include "base/ProductInfo.h"
#include "clock/ClockScreenSetting.h"
#include "clock/ClockScreens.h"
#include "clock/Form2.h"
#include "dressing/MouseMoveNotifier.h"
#include "dressing/PointerFile.h"
#include "dressing/WindowDressing.h"
#include "panel/ColourSettings.h"
#include "panel/ControlValues.h"
#include "panel/FontSettings.h"
#include "panel/Form3.h"
#include "panel/PanelWindow.h"
#include "settings/AutostartEntry.h"
#include "settings/Conversions.h"
#include "settings/FirstRunFormat.h"
#include "settings/SettingsStore.h"
#include "settings/mStartUp.h"
#include "timezones/modTimeZones.h"
#include "windows/ProgramContext.h"
#include "windows/SiteLocks.h"
#include "zonechoice/TimeZoneSelector.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <utility>

namespace {

// The error report's location texts of the guarded procedures.
const QString formLoadLocation = ErrorReport::location("Form1", "Form_Load");
const QString formQueryUnloadLocation = ErrorReport::location("Form1", "Form_QueryUnload");
const QString pushButton1ClickLocation = ErrorReport::location("Form1", "PushButton1_Click");
const QString pushButton2ClickLocation = ErrorReport::location("Form1", "PushButton2_Click");
const QString pushButton3ClickLocation = ErrorReport::location("Form1", "PushButton3_Click");
const QString pushButton4ClickLocation = ErrorReport::location("Form1", "PushButton4_Click");
const QString pushButton5ClickLocation = ErrorReport::location("Form1", "PushButton5_Click");

}

Form1::Form1(ProgramContext &program)
    : mProgram(program)
{
}

PanelWindow &Form1::ui()
{
    return static_cast<PanelWindow &>(window());
}

QWidget *Form1::createWindow()
{
    auto *window = new PanelWindow;
    connectControls(*window);
    lockSiteSettings(*window);
    window->centreOnScreen();
    return window;
}

void Form1::lockSiteSettings(PanelWindow &window)
{
    SiteLocks::declare(*window.Check1, { "Check1" });
    SiteLocks::declare(*window.Check4, { "Check4" });
    SiteLocks::declare(*window.Check3, { "Windows Startup" });
    SiteLocks::declare(*window.Check8, { "Minimized" });
    SiteLocks::declare(*window.Frame4, { "Option1", "Option2", "Option3" });
    SiteLocks::declare(*window.Combo1, { "Combo1", "Time Zone Name" });
    SiteLocks::declare(*window.PushButton2, FontSettings::keys);
    SiteLocks::declare(*window.PushButton3, FontSettings::keys);
    SiteLocks::declareOpener(*window.PushButton4, ColourSettings::keys);
    SiteLocks::declare(*window.PushButton5, ColourSettings::keys);
    if (SiteLocks::apply(window, mProgram.settings()))
        window.showSiteLockNote();
}

void Form1::connectControls(PanelWindow &window)
{
    const auto whenSelected = [this](QRadioButton *option, void (Form1::*procedure)()) {
        connect(option, &QRadioButton::toggled, this, [this, procedure](bool on) {
            if (on)
                (this->*procedure)();
        });
    };
    whenSelected(window.Option1, &Form1::Option1_Click);
    whenSelected(window.Option2, &Form1::Option2_Click);
    whenSelected(window.Option3, &Form1::Option3_Click);
    // The clock reads the format every tick, also while the panel's window is unloaded.
    for (const QRadioButton *option : { window.Option1, window.Option2, window.Option3 })
        connect(option, &QRadioButton::toggled, this, [this, &window] { keepSelectedClockFormat(window); });
    keepSelectedClockFormat(window);
    connect(window.Check1, &QCheckBox::stateChanged, this, &Form1::Check1_Click);
    connect(window.Check4, &QCheckBox::stateChanged, this, &Form1::Check4_Click);
    connect(window.Check3, &QCheckBox::stateChanged, this, &Form1::Check3_Click);
    connect(window.Check8, &QCheckBox::stateChanged, this, &Form1::Check8_Click);
    connect(window.Combo1, &QComboBox::currentIndexChanged, this, &Form1::Combo1_Click);
    connect(window.Combo1, &QComboBox::editTextChanged, this, &Form1::Combo1_Change);
    // Opened by a person at the panel: the clock tells where its options are.
    connect(window.PushButton1, &QPushButton::clicked, this, [this] {
        PushButton1_Click();
        mProgram.form2().showOptionsTip();
    });
    connect(window.PushButton2, &QPushButton::clicked, this, &Form1::PushButton2_Click);
    connect(window.PushButton3, &QPushButton::clicked, this, &Form1::PushButton3_Click);
    connect(window.PushButton4, &QPushButton::clicked, this, &Form1::PushButton4_Click);
    connect(window.PushButton5, &QPushButton::clicked, this, &Form1::PushButton5_Click);

    for (QPushButton *button : window.pushButtons())
        onMouseMove(*button, [this] { PushButton_MouseMove(); });
    for (QGroupBox *frame : window.frames())
        onMouseMove(*frame, [this] { Form_MouseMove(); });
    onMouseMove(window, [this] { Form_MouseMove(); });
}

void Form1::Form_Load()
{
    PanelWindow &window = ui();
    SettingsStore &settings = mProgram.settings();
    ErrorTrap trap(mProgram.platform(), formLoadLocation);

    trap.line(100, [&] { ApplySkin(window, SkinFramework1, mProgram.programFolder()); });
    trap.line(102, [&] { mLoading = true; });
    trap.line(104, [&] { loadPointerFile(window.pointer, mProgram.programFolder()); });
    trap.line(106, [&] { window.setWindowTitle(ProductInfo::productName); });
    trap.line(108, [&] { window.setWindowIcon(mProgram.appIcon()); });
    trap.line(110, [&] { SetAppTitle(); });
    // The home page never opens over a clock: not on a reload of the panel while the clock
    // shows, nor on a start that opens the clock at once.
    trap.line(112, [&] {
        if (mProgram.isStarting() && !mProgram.opensClockAtStart()
            && !Conversions::isOn(settings.GetSetting("Windows Startup", "Off")))
            OpenHomePageByChance();
    });
    trap.line(114, [&] { setCheckValue(*window.Check1, Conversions::toInt16(settings.GetSetting("Check1", 0))); });
    // The box shows the keep-awake choice in force, not its design state.
    trap.line(115, [&] { setCheckValue(*window.Check4, Conversions::toInt16(settings.GetSetting("Check4", 1))); });
    trap.line(116, [&] { mDontUnload = false; });
    trap.line(118, [&] { ListTimeZones(); });
    // An unreadable time zone database ended the program inside the listing.
    if (mProgram.hasEnded())
        return;
    // Until a format is chosen, the locale's kind of clock: shown, not stored.
    const bool twentyFourHour = FirstRunFormat::startsTwentyFourHour(settings, QLocale::system());
    trap.line(120, [&] {
        assignFormatOption(*window.Option1,
                           Conversions::toTruth(settings.GetSetting("Option1", twentyFourHour ? 0 : 1)));
    });
    trap.line(122,
              [&] { assignFormatOption(*window.Option2, Conversions::toTruth(settings.GetSetting("Option2", 0))); });
    trap.line(124, [&] {
        assignFormatOption(*window.Option3,
                           Conversions::toTruth(settings.GetSetting("Option3", twentyFourHour ? 1 : 0)));
    });
    // Ticked while the desktop starts the program at log-in, also by a site's entry; a site's
    // lock of the option decides alone.
    trap.line(126, [&] {
        setCheckValue(
            *window.Check3,
            Conversions::isOn(settings.GetSetting("Windows Startup", "Off"))
                || (!settings.isLocked("Windows Startup") && AutostartEntry::startsAtLogIn(mProgram.executablePath())));
    });
    trap.line(128, [&] { setCheckValue(*window.Check8, Conversions::isOn(settings.GetSetting("Minimized", "Off"))); });
    // Only the program's start opens the clock: a reload of the panel leaves an open
    // clock where it is.
    if (mProgram.isStarting() && trap.condition(130, [&] { return checkValue(*window.Check3) == 1; }))
        PushButton1_Click();
    trap.line(132, [&] { mLoading = false; });
}

void Form1::Form_QueryUnload()
{
    ErrorTrap trap(mProgram.platform(), formQueryUnloadLocation);
    trap.line(100, [&] {
        if (!mDontUnload)
            mProgram.end();
    });
}

void Form1::SetAppTitle()
{
    QCoreApplication::setApplicationName(appTitleFrom(ProductInfo::productName));
}

void Form1::OpenHomePageByChance()
{
    PlatformServices &platform = mProgram.platform();
    platform.seedRandom(HomePageDraw::seedFor(platform.currentDateTime().time()));
    if (!HomePageDraw::opensHomePage(platform.nextRandom()))
        return;
    // The page is a courtesy: a desktop without a browser is no fault of the start.
    static_cast<void>(platform.openUrl(QUrl(ProductInfo::homePage)));
}

void Form1::storeFormatOptions()
{
    if (!choosing())
        return;
    PanelWindow &window = ui();
    SettingsStore &settings = mProgram.settings();
    settings.SaveSetting("Option1", Conversions::truthText(window.Option1->isChecked()));
    settings.SaveSetting("Option2", Conversions::truthText(window.Option2->isChecked()));
    settings.SaveSetting("Option3", Conversions::truthText(window.Option3->isChecked()));
}

void Form1::assignFormatOption(QRadioButton &option, bool value)
{
    // Assigning True runs the click procedure even when the button was already selected.
    const bool reselected = value && option.isChecked();
    setOptionValue(option, value);
    if (reselected)
        storeFormatOptions();
}

void Form1::Option1_Click()
{
    storeFormatOptions();
}

void Form1::Option2_Click()
{
    storeFormatOptions();
}

void Form1::Option3_Click()
{
    storeFormatOptions();
}

void Form1::Check1_Click()
{
    if (!choosing())
        return;
    mProgram.settings().SaveSetting("Check1", QString::number(checkValue(*ui().Check1)));
}

void Form1::Check4_Click()
{
    if (!choosing())
        return;
    mProgram.settings().SaveSetting("Check4", QString::number(checkValue(*ui().Check4)));
}

void Form1::Check3_Click()
{
    if (mLoading)
        return;
    PanelWindow &window = ui();
    if (checkValue(*window.Check3) == 1) {
        mProgram.settings().SaveSetting("Windows Startup", Conversions::onOffText(true));
        EnableStartup(mProgram.platform(), mProgram.executablePath());
        return;
    }
    setCheckValue(*window.Check8, 0);
    window.Check8->hide();
    mProgram.settings().SaveSetting("Windows Startup", Conversions::onOffText(false));
    DisableStartup(mProgram.platform(), mProgram.executablePath());
}

void Form1::Check8_Click()
{
    if (!choosing())
        return;
    mProgram.settings().SaveSetting("Minimized", Conversions::onOffText(checkValue(*ui().Check8) == 1));
}

void Form1::showStoredCheckValue(QCheckBox &box, int value)
{
    const bool showing = std::exchange(mShowingStoredValues, true);
    setCheckValue(box, value);
    mShowingStoredValues = showing;
}

QCheckBox &Form1::box(Box which)
{
    return which == Box::Check1 ? *ui().Check1 : *ui().Check4;
}

void Form1::showStoredCheckValue(Box which, int value)
{
    showStoredCheckValue(box(which), value);
}

int Form1::boxValue(Box which)
{
    return checkValue(box(which));
}

void Form1::PushButton1_Click()
{
    ErrorTrap trap(mProgram.platform(), pushButton1ClickLocation);
    Form2 &clock = mProgram.form2();
    trap.line(100, [&] { mDontUnload = true; });
    trap.line(102, [&] {
        PanelWindow &window = ui();
        const QByteArray zone = !mUnreadableStoredZone.isEmpty()
            ? mUnreadableStoredZone
            : modTimeZones::TimeZoneKeyAt(TimeZoneSelector::itemData(*window.Combo1, window.Combo1->currentIndex()));
        clock.setChosenZone(zone, mProgram.platform().currentDateTime());
    });
    // Loading the clock runs its load procedure; a clock window that exists already runs
    // it again to apply the settings anew. Once either way, so each report shows once.
    trap.line(104, [&] {
        if (clock.isLoaded())
            clock.Form_Load();
        else
            clock.Load();
    });
    // From the button the clock covers the panel's screen; at start, or asked by a later
    // start, the screen asked for.
    trap.line(106, [&] {
        clock.ShowOverScreen(mProgram.askedScreen().value_or(
            ClockScreens::fromPanelOn(*ui().screen(), ClockScreenSetting::read(mProgram.settings()))));
    });
    trap.line(108, [&] {
        if (mLoading)
            Hide();
        else
            Unload();
    });
}

void Form1::keepSelectedClockFormat(const PanelWindow &window)
{
    if (window.Option1->isChecked())
        mSelectedClockFormat = TimeFormat::ClockFormat::HoursMinutesSecondsAmPm;
    else if (window.Option2->isChecked())
        mSelectedClockFormat = TimeFormat::ClockFormat::HoursMinutesAmPm;
    else if (window.Option3->isChecked())
        mSelectedClockFormat = TimeFormat::ClockFormat::HoursMinutes;
    else
        mSelectedClockFormat = TimeFormat::ClockFormat::None;
}

void Form1::PushButton2_Click()
{
    ErrorTrap trap(mProgram.platform(), pushButton2ClickLocation);
    FontSettings::change(trap, mProgram.settings(), mProgram.platform(), CommonDialog1);
}

void Form1::PushButton3_Click()
{
    ErrorTrap trap(mProgram.platform(), pushButton3ClickLocation);
    FontSettings::reset(trap, mProgram.settings());
}

void Form1::PushButton4_Click()
{
    ErrorTrap trap(mProgram.platform(), pushButton4ClickLocation);
    trap.line(100, [&] { mProgram.form3().Show(); });
    trap.line(102, [&] { Hide(); });
}

void Form1::PushButton5_Click()
{
    ErrorTrap trap(mProgram.platform(), pushButton5ClickLocation);
    ColourSettings::reset(trap, mProgram.settings());
}

void Form1::PushButton_MouseMove()
{
    ui().pointer.setUnlessBusy(MousePointer::Custom);
}

void Form1::Form_MouseMove()
{
    ui().pointer.setUnlessBusy(MousePointer::Default);
}

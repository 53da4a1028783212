#include "program/Program.h"

#include "base/PlatformServices.h"
#include "base/ProductInfo.h"
#include "clock/ClockScreenSetting.h"
#include "clock/ClockScreens.h"
#include "clock/Form2.h"
#include "dressing/AccessibleRole.h"
#include "panel/Form1.h"
#include "panel/Form3.h"
#include "panel/PanelWindow.h"
#include "program/AppIconEngine.h"
#include "program/ApplicationAccessible.h"
#include "program/CommandLine.h"
#include "settings/SettingsStore.h"
#include "windows/OpenWindows.h"

#include <QApplication>
#include <QTimer>

Program::Program(PlatformServices &platform, QString programFolder)
    : mPlatform(platform, [this] { lookAtRequestsSoon(); })
    , mProgramFolder(std::move(programFolder))
    , mExecutablePath(QCoreApplication::applicationFilePath())
    , mSettings(std::make_unique<SettingsStore>([this](const QString &message) {
        mPlatform.showMessage(message, ProductInfo::productName, PlatformServices::MessageIcon::Warning);
    }))
    , mForm1(std::make_unique<Form1>(*this))
    , mForm2(std::make_unique<Form2>(*this))
    , mForm3(std::make_unique<Form3>(*this))
{
    // Whatever window closes, a waiting request may now run.
    qApp->installEventFilter(this);
    nameApplicationForScreenReaders();
    installAccessibleRoles();
}

Program::~Program()
{
    qApp->removeEventFilter(this);
}

QIcon Program::appIcon() const
{
    // Made once: every window load sets it.
    if (mAppIcon.isNull())
        mAppIcon = QIcon(new AppIconEngine);
    return mAppIcon;
}

void Program::setStartRequest(bool openClock, QString screenName)
{
    mOpenClockAtStart = openClock;
    mAskedScreenName = std::move(screenName);
}

void Program::start()
{
    mStarting = true;
    mForm1->Load();
    // The start-up option may have opened the clock already.
    if (mOpenClockAtStart && !mEnded && !mForm1->mDontUnload)
        mForm1->PushButton1_Click();
    // A screen asked for puts the panel there, so that its button opens the clock there.
    QScreen *panelScreen = mAskedScreenName.isEmpty() ? nullptr : ClockScreens::connected(*askedScreen());
    mStarting = false;
    mAskedScreenName.clear();
    mStarted = true;
    // Later starts that came meanwhile wait no longer.
    lookAtRequestsSoon();
    if (mEnded || mForm1->mDontUnload)
        return;
    mForm1->ShowCentredOn(panelScreen);
}

std::optional<ScreenIdentity> Program::askedScreen() const
{
    if (!mAskedScreenName.isEmpty())
        return ScreenIdentity { mAskedScreenName, {}, {}, {} };
    if (mStarting || mClockAsked)
        return ClockScreenSetting::read(*mSettings);
    return std::nullopt;
}

void Program::request(const QStringList &arguments)
{
    if (mEnded)
        return;
    mRequests.append(arguments);
    if (!requestsMayRun())
        OpenWindows::bringForward();
    lookAtRequestsSoon();
}

bool Program::requestsMayRun() const
{
    // Each box and dialog runs an event loop inside a procedure that what a request does
    // (closing the panel, opening the clock) would pull the ground from under; a window
    // open over the panel or the clock (the colour window too, which stands in for the
    // panel) would end up behind what the request brings forward.
    return mStarted && !mEnded && !mPlatform.anyOpen() && !OpenWindows::any();
}

void Program::lookAtRequestsSoon()
{
    if (!mRequests.isEmpty())
        QTimer::singleShot(0, this, &Program::carryOutNextRequest);
}

void Program::carryOutNextRequest()
{
    // The timer may fire inside a box opened since: whatever closes last looks again.
    if (mRequests.isEmpty() || !requestsMayRun())
        return;
    activate(mRequests.takeFirst());
    lookAtRequestsSoon();
}

bool Program::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Hide && watched->isWidgetType() && static_cast<QWidget *>(watched)->isWindow())
        lookAtRequestsSoon();
    return QObject::eventFilter(watched, event);
}

void Program::activate(const QStringList &arguments)
{
    if (mEnded)
        return;
    const CommandLine asked = CommandLine::parse(arguments);
    if (asked.outcome != CommandLine::Outcome::Run)
        return;
    // The later start refused a name that no screen has; a screen gone since is passed over.
    QScreen *screen = asked.screenName.isEmpty() ? nullptr : ClockScreens::connected({ asked.screenName, {}, {}, {} });
    if (mForm2->isShown()) {
        if (screen)
            mForm2->ShowOverScreen(ClockScreens::identityOf(*screen));
        mForm2->bringToFront();
    } else if (asked.openClock) {
        // As at start: "--clock" alone is no choice of a screen, so the clock covers the
        // remembered one and nothing is stored.
        mAskedScreenName = screen ? asked.screenName : QString();
        mClockAsked = true;
        mForm1->PushButton1_Click();
        mClockAsked = false;
        mAskedScreenName.clear();
    } else {
        mForm1->ShowCentredOn(screen);
        mForm1->bringToFront();
    }
}

void Program::end(int exitCode)
{
    if (mEnded)
        return;
    mEnded = true;
    mExitCode = exitCode;
    mForm2->releaseIdleInhibition();
    mForm2->discard();
    mForm1->discard();
    mForm3->discard();
    emit ended(exitCode);
}

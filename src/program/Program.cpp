#include "program/Program.h"

#include "base/PlatformServices.h"
#include "base/ProductInfo.h"
#include "clock/ClockScreenSetting.h"
#include "clock/ClockScreens.h"
#include "clock/Form2.h"
#include "dressing/FirstPaint.h"
#include "panel/Form1.h"
#include "panel/Form3.h"
#include "panel/PanelWindow.h"
#include "program/AppIconEngine.h"
#include "settings/SettingsStore.h"

#include <QCoreApplication>

Program::Program(PlatformServices &platform, QString programFolder)
    : mPlatform(platform)
    , mProgramFolder(std::move(programFolder))
    , mExecutablePath(QCoreApplication::applicationFilePath())
    , mSettings(std::make_unique<SettingsStore>([this](const QString &message) {
        mPlatform.showMessage(message, ProductInfo::productName, PlatformServices::MessageIcon::Warning);
    }))
    , mForm1(std::make_unique<Form1>(*this))
    , mForm2(std::make_unique<Form2>(*this))
    , mForm3(std::make_unique<Form3>(*this))
{
}

Program::~Program() = default;

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
    mStartScreenName = std::move(screenName);
}

void Program::start()
{
    mStarting = true;
    {
        // The loads store back the values they read and the defaults they chose: in one
        // write of the file.
        SettingsStore::WriteBatch storeOnce(*mSettings);
        mForm1->Load();
        // The start-up option may have opened the clock already.
        if (mOpenClockAtStart && !mEnded && !mForm1->mDontUnload)
            mForm1->PushButton1_Click();
        // The panel's load stores only what the next start derives again from the file, the
        // site's defaults and the computer: that write waits until the panel is on screen.
        // A clock opened at start stores the screen it covers (maybe asked for on the
        // command line) at once.
        if (!mEnded && !mForm1->mDontUnload)
            storeOnce.leaveWaiting();
    }
    mStarting = false;
    if (mEnded || mForm1->mDontUnload)
        return;
    // A screen asked for puts the panel there, so that its button opens the clock there.
    mForm1->ShowCentredOn(mStartScreenName.isEmpty() ? nullptr : ClockScreens::connected(startScreen()));
    afterFirstPaint(mForm1->ui(), [this] { mSettings->writeWaiting(); });
}

ScreenIdentity Program::startScreen() const
{
    if (!mStartScreenName.isEmpty())
        return { mStartScreenName, {}, {}, {} };
    return ClockScreenSetting::read(*mSettings);
}

void Program::activate(const QStringList &arguments)
{
    if (mEnded)
        return;
    if (mForm2->isShown()) {
        mForm2->bringToFront();
        return;
    }
    if (arguments.contains(QStringLiteral("--clock"))) {
        mForm1->PushButton1_Click();
        return;
    }
    if (mForm3->isShown())
        mForm3->bringToFront();
    else
        mForm1->bringToFront();
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

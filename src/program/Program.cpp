#include "program/Program.h"

#include "base/PlatformServices.h"
#include "base/ProductInfo.h"
#include "clock/Form2.h"
#include "panel/Form1.h"
#include "panel/Form3.h"
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
    // Made once: every window load sets it, and making it parses the SVG.
    if (mAppIcon.isNull())
        mAppIcon = QIcon(ProductInfo::iconResource);
    return mAppIcon;
}

void Program::start()
{
    mForm1->LoadAtStart();
    if (!mEnded && !mForm1->mDontUnload)
        mForm1->Show();
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

#include "program/DialogCountingPlatform.h"

DialogCountingPlatform::DialogCountingPlatform(PlatformServices &platform, std::function<void()> allClosed)
    : mPlatform(platform)
    , mAllClosed(std::move(allClosed))
{
}

bool DialogCountingPlatform::watchClockChanges(std::function<void()> changed)
{
    return mPlatform.watchClockChanges(std::move(changed));
}

void DialogCountingPlatform::showMessage(const QString &text, const QString &title, MessageIcon icon)
{
    const Open open(*this);
    mPlatform.showMessage(text, title, icon);
}

bool DialogCountingPlatform::chooseFont(FontChoice &font)
{
    const Open open(*this);
    return mPlatform.chooseFont(font);
}

std::optional<qint32> DialogCountingPlatform::chooseColour(qint32 initial)
{
    const Open open(*this);
    return mPlatform.chooseColour(initial);
}

DialogCountingPlatform::Open::Open(DialogCountingPlatform &owner)
    : mOwner(owner)
{
    ++mOwner.mOpen;
}

DialogCountingPlatform::Open::~Open()
{
    if (--mOwner.mOpen == 0 && mOwner.mAllClosed)
        mOwner.mAllClosed();
}

#include "wallscreen/SyncWarning.h"

bool SyncWarning::update(std::optional<bool> synchronised, qint64 instant)
{
    if (synchronised.value_or(true)) {
        mUnsynchronisedSince.reset();
        return false;
    }
    // A clock set back counts again from there.
    if (!mUnsynchronisedSince || instant < *mUnsynchronisedSince)
        mUnsynchronisedSince = instant;
    return instant - *mUnsynchronisedSince >= warnAfterMsecs;
}

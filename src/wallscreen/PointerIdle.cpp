#include "wallscreen/PointerIdle.h"

#include <algorithm>

qint64 PointerIdle::msecsUntilHide(const QDateTime &now)
{
    if (!mLastMove.isValid() || now < mLastMove)
        mLastMove = now;
    return std::max<qint64>(0, hideAfterMsecs - mLastMove.msecsTo(now));
}

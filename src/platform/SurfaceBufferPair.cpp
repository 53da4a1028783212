#include "platform/SurfaceBufferPair.h"

void SurfaceBufferPair::reset(const QRect &whole)
{
    mHeld = {};
    mStale = { QRegion(whole), QRegion(whole) };
    mPending = whole;
}

void SurfaceBufferPair::change(const QRegion &area)
{
    mPending += area;
}

std::optional<SurfaceBufferPair::Write> SurfaceBufferPair::take()
{
    if (mPending.isEmpty())
        return std::nullopt;
    const int buffer = !mHeld[0] ? 0 : !mHeld[1] ? 1 : -1;
    if (buffer < 0)
        return std::nullopt;
    const auto index = static_cast<std::size_t>(buffer);
    Write write { buffer, mStale[index] + mPending, mPending };
    mStale[index] = QRegion();
    mStale[1 - index] += mPending;
    mPending = QRegion();
    mHeld[index] = true;
    return write;
}

void SurfaceBufferPair::release(int buffer)
{
    if (buffer == 0 || buffer == 1)
        mHeld[static_cast<std::size_t>(buffer)] = false;
}

#include "timezones/ZoneTime.h"

#include <limits>

namespace ZoneTime {
namespace {

QDateTime earlier(const QDateTime &a, const QDateTime &b)
{
    if (!a.isValid())
        return b;
    if (!b.isValid())
        return a;
    return std::min(a, b);
}

QDateTime nextChangeOf(const QTimeZone &zone, const QDateTime &instant)
{
    if (!zone.isValid() || !zone.hasTransitions())
        return {};
    return zone.nextTransition(instant).atUtc;
}

}

qint32 minuteOffset(const QTimeZone &chosen, const QTimeZone &local, const QDateTime &instant)
{
    return (chosen.offsetFromUtc(instant) - local.offsetFromUtc(instant)) / 60;
}

qint32 minuteOffset(const QTimeZone &chosen, const QDateTime &instant)
{
    return (chosen.offsetFromUtc(instant) - instant.toLocalTime().offsetFromUtc()) / 60;
}

QDateTime nextOffsetChange(const QTimeZone &chosen, const QTimeZone &local, const QDateTime &instant)
{
    return earlier(nextChangeOf(chosen, instant), nextChangeOf(local, instant));
}

OffsetKeeper::OffsetKeeper(QTimeZone chosen)
    : mChosen(std::move(chosen))
{
}

qint32 OffsetKeeper::offsetAt(const QDateTime &instant)
{
    // Compared as milliseconds since the epoch: the clock asks every second, and each
    // comparison or sum of local date-times converts them through the C library again.
    constexpr qint64 recheckAfter = 60 * 1000;
    const qint64 at = instant.toMSecsSinceEpoch();
    const bool stale = !mComputed || at < mComputedAt || at >= mComputedAt + recheckAfter || at >= mValidUntilMsecs;
    if (stale) {
        mOffset = mChosen.isValid() ? minuteOffset(mChosen, instant) : 0;
        mComputed = true;
        mComputedAt = at;
        mValidUntil = nextOffsetChange(mChosen, QTimeZone::systemTimeZone(), instant);
        mValidUntilMsecs = mValidUntil.isValid() ? mValidUntil.toMSecsSinceEpoch() : std::numeric_limits<qint64>::max();
    }
    return mOffset;
}

}

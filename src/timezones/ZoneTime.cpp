#include "timezones/ZoneTime.h"

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
    const bool stale = !mComputedAt.isValid() || instant < mComputedAt || instant >= mComputedAt.addSecs(60)
        || (mValidUntil.isValid() && instant >= mValidUntil);
    if (stale) {
        mOffset = mChosen.isValid() ? minuteOffset(mChosen, instant) : 0;
        mComputedAt = instant;
        mValidUntil = nextOffsetChange(mChosen, QTimeZone::systemTimeZone(), instant);
    }
    return mOffset;
}

}

#pragma once

#include <QDateTime>
#include <QTime>
#include <QTimeZone>

// The minutes the clock adds to the local time of day so that it shows the chosen zone's
// true current time, daylight saving included on both sides.
namespace ZoneTime {

// The minutes to add to the local time of day at instant so that it shows the chosen
// zone's time of day: the chosen zone's offset from UTC at instant minus the local
// zone's offset from UTC at instant (0 when both are the same zone).
// Example: local Europe/Berlin, chosen Asia/Tokyo: +480 in January, +420 in July.
qint32 minuteOffset(const QTimeZone &chosen, const QTimeZone &local, const QDateTime &instant);

// The same against the computer's own zone, as the C library applies it to the local
// time of day (honours TZ): chosen offset minus instant.toLocalTime().offsetFromUtc().
qint32 minuteOffset(const QTimeZone &chosen, const QDateTime &instant);

// The first instant after instant at which minuteOffset(chosen, local, ...) may change:
// the earlier of the two zones' next transitions; an invalid QDateTime when neither
// zone changes its offset again.
QDateTime nextOffsetChange(const QTimeZone &chosen, const QTimeZone &local, const QDateTime &instant);

// Keeps mTimeZone right while the clock is open: the offset is recomputed when either
// zone's offset changes (and at least once a minute, should the computer's own zone be
// changed meanwhile); otherwise the stored value is returned.
class OffsetKeeper {
public:
    OffsetKeeper() = default;
    explicit OffsetKeeper(QTimeZone chosen);

    // The offset to add to the local time of day at instant (minuteOffset(chosen, instant)).
    qint32 offsetAt(const QDateTime &instant);

    const QTimeZone &chosen() const { return mChosen; }
    // The next instant at which either zone's offset changes, as of the last offsetAt();
    // invalid when neither changes again.
    const QDateTime &validUntil() const { return mValidUntil; }

private:
    QTimeZone mChosen;
    qint32 mOffset = 0;
    bool mComputed = false;
    qint64 mComputedAt = 0;
    QDateTime mValidUntil;
    qint64 mValidUntilMsecs = 0;
};

}

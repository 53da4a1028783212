#pragma once

#include "timezones/ZoneRules.h"

#include <QDateTime>
#include <QStringList>
#include <QTime>
#include <QTimeZone>
#include <memory>
#include <optional>

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
// zone's offset changes, when the clock is set, and when the zone files are read again;
// otherwise the stored value is returned. The chosen zone's offsets come from its zone
// file, read again by reload() once it has changed, so that an update of the tz database
// reaches a running clock; the computer's side is the C library's, which reads its file
// afresh by itself.
class OffsetKeeper {
public:
    OffsetKeeper() = default;
    // The zone of that identifier ("Europe/Berlin", "UTC+05:30").
    explicit OffsetKeeper(QByteArray chosen);

    // The offset to add to the local time of day at instant.
    qint32 offsetAt(const QDateTime &instant);
    // Reads the zone files that have changed; the next offsetAt() computes the offset anew.
    void reload();
    // The files whose change may change the offset: the chosen zone's and the computer's.
    QStringList files() const;

    // A change of the chosen zone's offset: when, and the offsets (seconds east of UTC).
    struct Change {
        qint64 at = 0;
        int before = 0;
        int after = 0;
    };
    // The chosen zone's next change after instant (seconds since the epoch), as its zone file
    // gives it; none for a zone that changes no more or has no file.
    std::optional<Change> nextChosenChange(qint64 instant) const;

    const QByteArray &chosenId() const { return mChosenId; }
    // Whether nothing gives the chosen zone's offsets: its file cannot be read (and was not
    // read before) and the time zone library does not know it. offsetAt() then gives 0: the
    // computer's own time. A reload() that reads the file brings the zone back.
    bool unreadable() const { return !mChosenId.isEmpty() && !mChosenRules && !mChosen.isValid(); }
    // The next instant at which either zone's offset changes, as of the last offsetAt();
    // invalid when neither changes again.
    const QDateTime &validUntil() const { return mValidUntil; }

private:
    QByteArray mChosenId;
    QTimeZone mChosen;
    // The chosen zone's rules from its file; none for a zone without one (such as
    // "UTC+05:30"), whose offsets QTimeZone gives. Both are shared with the other zones
    // that read the same file.
    std::shared_ptr<const ZoneRules> mChosenRules;
    std::shared_ptr<const ZoneRules> mComputerRules;
    qint32 mOffset = 0;
    bool mComputed = false;
    qint64 mComputedAt = 0;
    QDateTime mValidUntil;
    qint64 mValidUntilMsecs = 0;
};

}

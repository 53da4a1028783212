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

// Keeps mTimeZone right while the clock is open: the offset is recomputed when either
// zone's offset changes, when the clock is set, and when the zone files are read again;
// otherwise the stored value is returned. The chosen zone's offsets come from its zone
// file, read again by reload() once it has changed, so that an update of the tz database
// reaches a running clock; the computer's side is the C library's, which reads its file
// afresh by itself.
class OffsetKeeper {
public:
    OffsetKeeper() = default;
    // The zone of that identifier: one of the tz database in TimeZoneFolder()
    // ("Europe/Berlin"), or a fixed offset from UTC ("UTC+05:30").
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
    // read before) and it is no fixed offset from UTC. offsetAt() then gives 0: the
    // computer's own time. A reload() that reads the file brings the zone back.
    bool unreadable() const { return !mChosenId.isEmpty() && !mChosenRules && !mChosen.isValid(); }
    // The next instant at which either zone's offset changes, as of the last offsetAt();
    // invalid when neither changes again.
    const QDateTime &validUntil() const { return mValidUntil; }

private:
    QByteArray mChosenId;
    // A fixed offset from UTC, as QTimeZone reads it; invalid for any other identifier.
    QTimeZone mChosen;
    // The chosen zone's rules from its file; none for a zone without one (such as
    // "UTC+05:30"). Both are shared with the other zones
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

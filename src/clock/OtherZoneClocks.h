#pragma once

#include "clock/TimeFormat.h"
#include "timezones/ZoneTime.h"
#include "wallscreen/OtherZoneList.h"
#include "wallscreen/ZoneFace.h"

#include <QByteArrayList>
#include <QDateTime>
#include <QList>
#include <QLocale>
#include <vector>

// The other zones' true times, daylight saving included on both sides, as the clock shows
// them. Every offset is whole minutes, so the faces change only when the clock's minute
// does: a tick in the same minute gets them without working them out again.
class OtherZoneClocks {
public:
    void setZones(const OtherZoneList::Entries &entries);
    const OtherZoneList::Entries &entries() const { return mEntries; }
    // Reads the zones' files again, as after an update of the tz database.
    void reload();
    // The files whose change may change the zones' times.
    QStringList files() const;
    // The zones whose files cannot be read: their faces show no time.
    QByteArrayList unreadable() const;

    // The faces at a local instant on a clock that adds clockMinutes to the local time of
    // day and shows format: each zone's time in that format without seconds, how it differs
    // from the clock's, its day where its date is not the clock's, and whether it is night
    // there. Sets changed when they differ from the last ones given.
    const QList<ZoneFace> &facesAt(const QDateTime &instant, qint64 clockMinutes, TimeFormat::ClockFormat format,
                                   const QLocale &locale, bool *changed);

private:
    OtherZoneList::Entries mEntries;
    std::vector<ZoneTime::OffsetKeeper> mKeepers;
    QList<ZoneFace> mFaces;
    // What the faces were worked out for: minute since the epoch, clock minutes, format.
    qint64 mMinute = -1;
    qint64 mClockMinutes = 0;
    TimeFormat::ClockFormat mFormat = TimeFormat::ClockFormat::None;
};

#pragma once

#include "timezones/PosixZoneRule.h"

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <optional>

// A zone's offsets from UTC as its tz database file (the TZif format) gives them: the listed
// changes, then the file's closing rule. Read afresh whenever asked, unlike QTimeZone, which
// keeps a zone as first read for the life of the program.
class ZoneRules {
public:
    // The largest zone file read: the tz database's own are a few kB.
    static constexpr qsizetype maxFileBytes = 256 * 1024;

    // None when the data is no zone file, or fails any check: counts that do not fit the
    // bytes that follow them, a type or offset out of range, changes out of order, a closing
    // rule that does not read. No part of such a file is kept.
    static std::optional<ZoneRules> fromZoneFile(QByteArrayView data);
    // The zone file at path, else none (also for a file over maxFileBytes).
    static std::optional<ZoneRules> read(const QString &path);
    // A zone of a rule alone, such as the TZ variable may hold.
    static ZoneRules fromRule(const PosixZoneRule &rule);

    // Seconds east of UTC at an instant (seconds since the epoch).
    int offsetAt(qint64 instant) const;
    // The offset, standard offset, daylight time and abbreviation at an instant.
    ZonePeriod periodAt(qint64 instant) const;
    // The first instant after instant at which the offset differs; none when it never does.
    std::optional<qint64> nextChange(qint64 instant) const;

private:
    // Gives each daylight period the standard offset of its neighbours.
    void setStandardOffsets();

    // The period before the first listed change.
    ZonePeriod mFirstPeriod;
    QList<qint64> mChanges;
    // The period from each listed change on.
    QList<ZonePeriod> mPeriods;
    std::optional<PosixZoneRule> mRule;
};

#pragma once

#include "timezones/ZonePeriod.h"

#include <QByteArrayView>
#include <QtGlobal>
#include <optional>

// A zone rule in the form of the TZ variable ("CET-1CEST,M3.5.0,M10.5.0/3"), as the last
// line of a zone file gives it for the years after its last listed change.
class PosixZoneRule {
public:
    // None when the text is no such rule.
    static std::optional<PosixZoneRule> parse(QByteArrayView text);

    // Seconds east of UTC at an instant (seconds since the epoch). Any instant is taken;
    // those more than 2^50 seconds (35 million years) from the epoch get the offset there.
    int offsetAt(qint64 instant) const;
    // The offset, standard offset, daylight time and abbreviation at an instant.
    ZonePeriod periodAt(qint64 instant) const;
    // The first instant after instant at which the offset differs from the one at instant;
    // none for a rule without daylight saving.
    std::optional<qint64> nextChange(qint64 instant) const;

private:
    // A day of the year and a local time of day at which a period starts.
    struct Change {
        enum class Kind { JulianNoLeap, ZeroBasedDay, MonthWeekDay } kind = Kind::MonthWeekDay;
        int day = 0;
        int week = 0;
        int month = 0;
        int time = 2 * 3600;
    };
    struct Daylight {
        int offset = 0;
        QByteArray abbreviation;
        Change start;
        Change end;
    };

    // The instants at which daylight time starts and ends in a year, in UTC.
    qint64 startIn(int year) const;
    qint64 endIn(int year) const;
    bool daylightAt(qint64 instant) const;

    int mStandardOffset = 0;
    QByteArray mStandardAbbreviation;
    std::optional<Daylight> mDaylight;
};

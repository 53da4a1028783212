#pragma once

#include "wallscreen/DayHalfMarkers.h"

#include <QString>
#include <QTime>

// A time of day in a sentence or a menu entry, as the clock shows times but without seconds
// and with the 12-hour hour in as many digits as it needs: "2:00 AM" on the 12-hour clock,
// "02:00" on the 24-hour one, and "midnight" on either where the language names it.
class ClockTimeText {
public:
    ClockTimeText(bool twelveHour, DayHalfMarkers markers);

    QString of(const QTime &time) const;
    // The time after "at" in a sentence ("at 2:00 AM", "at midnight"), which languages word
    // differently for midnight ("alle 02:00", "a mezzanotte").
    QString at(const QTime &time) const;
    // A clock change as the clock reads it: "2:00 AM becomes 3:00 AM", "midnight becomes 01:00",
    // a sentence of its own for midnight on either side, as for at().
    QString becomes(const QTime &from, const QTime &to) const;

private:
    // Whether the time is midnight and the language has a word for it.
    static bool namesMidnight(const QTime &time);

    bool mTwelveHour;
    DayHalfMarkers mMarkers;
};

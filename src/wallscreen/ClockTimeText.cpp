#include "wallscreen/ClockTimeText.h"

#include <QCoreApplication>
#include <utility>

ClockTimeText::ClockTimeText(bool twelveHour, DayHalfMarkers markers)
    : mTwelveHour(twelveHour)
    , mMarkers(std::move(markers))
{
    // In a sentence the 12-hour hour has no leading nought: "at 2:00 AM".
    mMarkers.twoDigitTwelveHour = false;
}

namespace {

QString midnightWord()
{
    return QCoreApplication::translate("ClockTimeText", "midnight",
                                       "00:00 in a sentence or a menu; a translation that is just %1 writes it "
                                       "as a time, as the other times are written");
}

}

bool ClockTimeText::namesMidnight(const QTime &time)
{
    return time.hour() == 0 && time.minute() == 0 && !midnightWord().contains(QStringLiteral("%1"));
}

QString ClockTimeText::of(const QTime &time) const
{
    if (namesMidnight(time))
        return midnightWord();
    return mMarkers.write(time, mTwelveHour, false);
}

QString ClockTimeText::at(const QTime &time) const
{
    if (namesMidnight(time))
        return QCoreApplication::translate("ClockTimeText", "at midnight");
    // The hour as written counts, as some languages word one o'clock apart ("a la 1:00").
    if (mTwelveHour) {
        const int hour = time.hour() % 12 == 0 ? 12 : time.hour() % 12;
        return QCoreApplication::translate("ClockTimeText", "at %1",
                                           "a time of day on the 12-hour clock, with AM or PM; %n is its hour", hour)
            .arg(of(time));
    }
    const int hour = time.hour();
    return QCoreApplication::translate("ClockTimeText", "at %1", "a time of day on the 24-hour clock; %n is its hour",
                                       hour)
        .arg(of(time));
}

QString ClockTimeText::becomes(const QTime &from, const QTime &to) const
{
    if (namesMidnight(from))
        return QCoreApplication::translate("ClockTimeText", "midnight becomes %1", "a clock change").arg(of(to));
    if (namesMidnight(to))
        return QCoreApplication::translate("ClockTimeText", "%1 becomes midnight", "a clock change").arg(of(from));
    return QCoreApplication::translate("ClockTimeText", "%1 becomes %2", "a clock change: the time before, then after")
        .arg(of(from), of(to));
}

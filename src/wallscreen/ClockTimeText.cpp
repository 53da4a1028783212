#include "wallscreen/ClockTimeText.h"

#include <QCoreApplication>
#include <utility>

ClockTimeText::ClockTimeText(bool twelveHour, DayHalfMarkers markers)
    : mTwelveHour(twelveHour)
    , mMarkers(std::move(markers))
{
}

namespace {

bool isMidnight(const QTime &time)
{
    return time.hour() == 0 && time.minute() == 0;
}

}

QString ClockTimeText::of(const QTime &time) const
{
    if (isMidnight(time))
        return QCoreApplication::translate("ClockTimeText", "midnight");
    if (!mTwelveHour)
        return time.toString(u"HH:mm");
    const int hour = time.hour() % 12 == 0 ? 12 : time.hour() % 12;
    return QStringLiteral("%1:%2").arg(hour).arg(time.minute(), 2, 10, QLatin1Char('0')) + mMarkers.at(time);
}

QString ClockTimeText::at(const QTime &time) const
{
    if (isMidnight(time))
        return QCoreApplication::translate("ClockTimeText", "at midnight");
    return QCoreApplication::translate("ClockTimeText", "at %1", "a time of day").arg(of(time));
}

QString ClockTimeText::becomes(const QTime &from, const QTime &to) const
{
    if (isMidnight(from))
        return QCoreApplication::translate("ClockTimeText", "midnight becomes %1", "a clock change").arg(of(to));
    if (isMidnight(to))
        return QCoreApplication::translate("ClockTimeText", "%1 becomes midnight", "a clock change").arg(of(from));
    return QCoreApplication::translate("ClockTimeText", "%1 becomes %2", "a clock change: the time before, then after")
        .arg(of(from), of(to));
}

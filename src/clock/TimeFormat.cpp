#include "clock/TimeFormat.h"

#include <cmath>

namespace TimeFormat {

QTime shiftedTimeOfDay(const QTime &localTime, qint64 minutes)
{
    constexpr qint64 msecsPerDay = 24LL * 60 * 60 * 1000;
    const qint64 shifted = localTime.msecsSinceStartOfDay() + minutes * 60 * 1000;
    const qint64 wrapped = ((shifted % msecsPerDay) + msecsPerDay) % msecsPerDay;
    return QTime::fromMSecsSinceStartOfDay(static_cast<int>(wrapped));
}

bool isTwelveHour(ClockFormat format)
{
    return format == ClockFormat::HoursMinutesSecondsAmPm || format == ClockFormat::HoursMinutesAmPm;
}

ClockFormat shownFormat(ClockFormat selected, bool secondsIn24Hour)
{
    return selected == ClockFormat::HoursMinutes && secondsIn24Hour ? ClockFormat::HoursMinutesSeconds : selected;
}

QString format(const QTime &time, ClockFormat format, const DayHalfMarkers &markers)
{
    if (format == ClockFormat::None)
        return QString();
    const bool seconds = format == ClockFormat::HoursMinutesSecondsAmPm || format == ClockFormat::HoursMinutesSeconds;
    return markers.write(time, isTwelveHour(format), seconds);
}

int centredX(double stripWidth, double textWidth)
{
    const auto roundHalfEven = [](double value) { return static_cast<qint64>(std::nearbyint(value)); };
    return static_cast<qint32>(roundHalfEven(stripWidth) / 2 - roundHalfEven(textWidth) / 2);
}

int msecsToNextChange(const QTime &now, ClockFormat format)
{
    constexpr int second = 1000;
    const int untilNextSecond = second - now.msec();
    if (format == ClockFormat::HoursMinutesSecondsAmPm || format == ClockFormat::HoursMinutesSeconds)
        return untilNextSecond;
    return (59 - now.second()) * second + untilNextSecond;
}

}

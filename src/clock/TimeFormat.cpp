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

QString format(const QTime &time, ClockFormat format)
{
    const auto twoDigits = [](int value) { return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0')); };
    const int twelveHour = time.hour() % 12 == 0 ? 12 : time.hour() % 12;
    const QString amPm = time.hour() < 12 ? QStringLiteral("AM") : QStringLiteral("PM");
    switch (format) {
    case ClockFormat::HoursMinutesSecondsAmPm:
        return QStringLiteral("%1:%2:%3 %4")
            .arg(twoDigits(twelveHour), twoDigits(time.minute()), twoDigits(time.second()), amPm);
    case ClockFormat::HoursMinutesAmPm:
        return QStringLiteral("%1:%2 %3").arg(twoDigits(twelveHour), twoDigits(time.minute()), amPm);
    case ClockFormat::HoursMinutes:
        return QStringLiteral("%1:%2").arg(twoDigits(time.hour()), twoDigits(time.minute()));
    case ClockFormat::None:
        break;
    }
    return QString();
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
    if (format == ClockFormat::HoursMinutesSecondsAmPm)
        return untilNextSecond;
    return (59 - now.second()) * second + untilNextSecond;
}

}

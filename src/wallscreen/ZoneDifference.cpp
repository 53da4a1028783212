#include "wallscreen/ZoneDifference.h"

#include <QCoreApplication>

namespace ZoneDifference {

QString text(qint64 minutes)
{
    if (minutes == 0)
        return QStringLiteral("±0");
    const QString sign = minutes > 0 ? QStringLiteral("+") : QStringLiteral("\u2212");
    const qint64 whole = std::abs(minutes);
    if (whole % 60 == 0)
        return QCoreApplication::translate("ZoneDifference", "%1 h").arg(sign + QString::number(whole / 60));
    return sign + QStringLiteral("%1:%2").arg(whole / 60).arg(whole % 60, 2, 10, QLatin1Char('0'));
}

QString dayText(const QDate &zoneDate, const QDate &clockDate, const QLocale &locale)
{
    switch (clockDate.daysTo(zoneDate)) {
    case 0:
        return QString();
    case 1:
        return QCoreApplication::translate("ZoneDifference", "Tomorrow");
    case -1:
        return QCoreApplication::translate("ZoneDifference", "Yesterday");
    default:
        return locale.dayName(zoneDate.dayOfWeek(), QLocale::ShortFormat);
    }
}

bool isNight(const QTime &zoneTime)
{
    return zoneTime.hour() < 6 || zoneTime.hour() >= 18;
}

}

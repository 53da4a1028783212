#include "timezones/ZoneCity.h"

QString zoneCityName(const QByteArray &zoneId)
{
    const QString id = QString::fromUtf8(zoneId);
    return id.section(QLatin1Char('/'), -1).replace(QLatin1Char('_'), QLatin1Char(' '));
}

#include "zonechoice/ZoneListText.h"

#include "timezones/ZoneCityNames.h"

QString zoneListText(const QByteArray &zone)
{
    const QString identifier = QString::fromUtf8(zone);
    const QString city = ZoneCityNames::ofUser().city(zone);
    return city == identifier ? identifier : city + QStringLiteral(" — ") + identifier;
}

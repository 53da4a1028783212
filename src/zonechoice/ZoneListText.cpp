#include "zonechoice/ZoneListText.h"

#include "timezones/ZoneCityNames.h"

QString zoneListText(const QByteArray &zone, const QString &label)
{
    const QString identifier = QString::fromUtf8(zone);
    const QString city = ZoneCityNames::ofUser().city(zone);
    const QString place = city == identifier ? QString() : city;
    const QString named = label.isEmpty() ? place
        : place.isEmpty()                 ? label
                                          : label + QStringLiteral(" (") + place + u')';
    return named.isEmpty() ? identifier : named + QStringLiteral(" — ") + identifier;
}

#include "zonechoice/ZoneAddRefusal.h"

#include "wallscreen/OtherZoneList.h"

#include <QCoreApplication>

QString whyZoneCannotBeAdded(const QByteArrayList &shown, const QByteArray &zone)
{
    if (shown.size() >= OtherZoneList::most)
        return QCoreApplication::translate("OtherZonesWindow", "%n zones at most", nullptr, OtherZoneList::most);
    if (shown.contains(zone))
        return QCoreApplication::translate("OtherZonesWindow", "Already on the clock");
    return {};
}

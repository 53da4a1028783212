#include "zonechoice/ZoneAddRefusal.h"

#include "wallscreen/OtherZoneList.h"

#include <QCoreApplication>

QString whyZoneCannotBeAdded(const QByteArrayList &shown, const QByteArray &zone)
{
    // lupdate takes no qualified name for the count.
    constexpr int most = OtherZoneList::most;
    if (shown.size() >= most)
        return QCoreApplication::translate("OtherZonesWindow", "%n zones at most",
                                           "why Add is greyed out: the clock shows no more zones", most);
    if (shown.contains(zone))
        return QCoreApplication::translate("OtherZonesWindow", "Already on the clock");
    return {};
}

#include "wallscreen/UnreadableZoneNotice.h"

#include <QCoreApplication>

namespace UnreadableZoneNotice {

QString text(const QByteArray &clockZone, const QByteArrayList &otherZones)
{
    QByteArrayList zones = otherZones;
    if (!clockZone.isEmpty()) {
        // Named once, where the clock's own zone is among the other zones too.
        zones.removeAll(clockZone);
        zones.prepend(clockZone);
    }
    if (zones.isEmpty())
        return QString();
    const QString names = QString::fromUtf8(zones.join(", "));
    if (clockZone.isEmpty())
        return QCoreApplication::translate("UnreadableZoneNotice", "Cannot read time zone data for %1").arg(names);
    return QCoreApplication::translate("UnreadableZoneNotice",
                                       "Cannot read time zone data for %1: showing this computer's time")
        .arg(names);
}

}

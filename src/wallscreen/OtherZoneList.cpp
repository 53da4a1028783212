#include "wallscreen/OtherZoneList.h"

namespace OtherZoneList {

QByteArrayList fromText(const QString &text)
{
    QByteArrayList zones;
    for (const QString &part : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QString zone = part.trimmed();
        if (!zone.isEmpty())
            zones.append(zone.toUtf8());
    }
    return zones;
}

QString toText(const QByteArrayList &zones)
{
    return QString::fromUtf8(zones.join(','));
}

QByteArrayList shown(const QByteArrayList &stored, const std::function<bool(const QByteArray &)> &known)
{
    QByteArrayList zones;
    for (const QByteArray &zone : stored) {
        if (zones.size() < most && known(zone) && !zones.contains(zone))
            zones.append(zone);
    }
    return zones;
}

QByteArrayList afterEdit(const QByteArrayList &edited, const QByteArrayList &stored,
                         const std::function<bool(const QByteArray &)> &known)
{
    QByteArrayList zones = edited;
    for (const QByteArray &zone : stored) {
        if (!known(zone))
            zones.append(zone);
    }
    return zones;
}

}

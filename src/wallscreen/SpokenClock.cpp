#include "wallscreen/SpokenClock.h"

#include <QStringList>

QString spokenClock(const QString &time, const QString &infoLines, const QList<ZoneFace> &otherZones)
{
    QStringList lines { time.trimmed() };
    if (!infoLines.isEmpty())
        lines.append(infoLines);
    for (const ZoneFace &zone : otherZones)
        lines.append(zone.place + u' ' + zone.time + u' ' + zone.difference);
    return lines.join(u'\n');
}

#include "support/TestZones.h"

#include "support/TestFiles.h"
#include "timezones/modTimeFunctions.h"

#include <QDir>

namespace TestZones {

QByteArray zoneFile(const QByteArray &zone)
{
    return TestFiles::read(QDir(modTimeFunctions::TimeZoneFolder()).filePath(QString::fromLatin1(zone)));
}

ZoneRules rules(const QByteArray &zone)
{
    std::optional<ZoneRules> read = ZoneRules::fromZoneFile(zoneFile(zone));
    if (!read)
        qFatal("The tests' tz database has no zone %s", zone.constData());
    return std::move(*read);
}

int offsetAt(const QByteArray &zone, const QDateTime &instant)
{
    return rules(zone).offsetAt(instant.toSecsSinceEpoch());
}

void writeZoneDatabase(const QString &folder, const QByteArray &zoneTab)
{
    TestFiles::write(QDir(folder).filePath("zone.tab"), zoneTab);
    QByteArrayList zones { "UTC" };
    for (const QByteArray &line : zoneTab.split('\n')) {
        const QByteArrayList fields = line.split('\t');
        if (!line.startsWith('#') && fields.size() >= 3)
            zones.append(fields.at(2));
    }
    for (const QByteArray &zone : std::as_const(zones)) {
        if (const QByteArray file = zoneFile(zone); !file.isEmpty())
            TestFiles::write(QDir(folder).filePath(QString::fromLatin1(zone)), file);
    }
}

}

#include "timezones/ZoneOtherNames.h"

#include "timezones/TzDatabaseFiles.h"

#include <QDir>
#include <QSet>

ZoneOtherNames zoneOtherNames(QByteArrayView zoneTab, QByteArrayView iso3166Tab, QByteArrayView tzdataZi,
                              const CountryNames &countries)
{
    ZoneOtherNames names;
    const QHash<QByteArray, QString> tzCountries = TzDatabaseFiles::parseCountryNames(iso3166Tab);
    QSet<QByteArray> zones;
    for (const TzDatabaseFiles::ZoneTabLine &line : TzDatabaseFiles::parseZoneTab(zoneTab)) {
        zones.insert(line.identifier);
        QStringList country = countries.value(line.countryCode);
        const QString tzName = tzCountries.value(line.countryCode);
        if (!tzName.isEmpty() && !country.contains(tzName))
            country << tzName;
        if (!country.isEmpty())
            names[line.identifier].append(country);
    }
    for (const TzDatabaseFiles::Link &link : TzDatabaseFiles::parseLinks(tzdataZi)) {
        if (!zones.contains(link.name))
            names[link.target].append(QStringList { QString::fromUtf8(link.name) });
    }
    return names;
}

const ZoneOtherNames &zoneOtherNamesIn(const QString &folder)
{
    static QString readFolder;
    static ZoneOtherNames names;
    if (readFolder != folder || readFolder.isNull()) {
        const QDir database(folder);
        const auto read = [&database](const char *file) {
            return TzDatabaseFiles::readFile(database.filePath(QLatin1String(file))).value_or(QByteArray());
        };
        names = zoneOtherNames(read("zone.tab"), read("iso3166.tab"), read("tzdata.zi"), userCountryNames());
        readFolder = folder;
    }
    return names;
}

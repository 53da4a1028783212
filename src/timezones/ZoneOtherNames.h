#pragma once

#include "timezones/CountryNames.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QString>
#include <QStringList>

// The names people know zones by besides their identifiers, by zone identifier, each
// country or old identifier as the list of its names, the one shown first: the countries
// zone.tab places the zone in, by their names in countries ("Indien", "India") and then in
// iso3166.tab, then the zone's old identifiers from the link lines of tzdata.zi
// ("Asia/Calcutta"). A link named like a zone of zone.tab is a zone of its own, not an old
// name.
using ZoneOtherNames = QHash<QByteArray, QList<QStringList>>;

ZoneOtherNames zoneOtherNames(QByteArrayView zoneTab, QByteArrayView iso3166Tab, QByteArrayView tzdataZi,
                              const CountryNames &countries);

// The names of the tz database in folder, with the countries' names in the user's language
// (userCountryNames), its files read at the first call for that folder and kept: they are
// needed only once the user searches. A missing file gives no names of its kind.
const ZoneOtherNames &zoneOtherNamesIn(const QString &folder);

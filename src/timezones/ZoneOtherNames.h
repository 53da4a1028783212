#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QString>
#include <QStringList>

// The names people know zones by besides their identifiers, by zone identifier: the
// countries zone.tab places the zone in, named by iso3166.tab ("India" for Asia/Kolkata),
// then the zone's old identifiers from the link lines of tzdata.zi ("Asia/Calcutta").
// A link named like a zone of zone.tab is a zone of its own, not an old name.
using ZoneOtherNames = QHash<QByteArray, QStringList>;

ZoneOtherNames zoneOtherNames(QByteArrayView zoneTab, QByteArrayView iso3166Tab, QByteArrayView tzdataZi);

// The names of the tz database in folder, its files read at the first call for that folder
// and kept: they are needed only once the user searches. A missing file gives no names of
// its kind.
const ZoneOtherNames &zoneOtherNamesIn(const QString &folder);

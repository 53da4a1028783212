#pragma once

#include <QByteArrayList>
#include <QString>

// Helpers of the time zone catalogue: where the tz database lies, reading its zone.tab,
// and normalising display names.
namespace modTimeFunctions {

// The folder of the tz database: the one TZDIR names, else /usr/share/zoneinfo.
QString TimeZoneFolder();

// The zone list the catalogue reads: zone.tab in TimeZoneFolder().
QString TimeZonesPath();

// The zone identifiers of a zone.tab (third tab-separated field of each line that is
// no comment), in file order. ok is false when the file cannot be read or is too big.
QByteArrayList ReadZoneTab(const QString &path, bool *ok);

// "(UTC+hh:mm) " or "(UTC-hh:mm) " for an offset east of UTC in minutes, then the name.
QString OffsetDisplay(int minutesEastOfUtc, const QString &name);

// Normalises a zone's display text. A tag whose fifth
// and later characters are no time of day keeps them unchanged.
QString NormaliseDisplay(const QString &display);

}

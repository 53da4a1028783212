#pragma once

#include "timezones/ZoneRules.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

// Zones of the tz database the tests read (TZDIR, which ctest points at the release the build
// compiled), so that what a test expects is a fact of that release, not of the installed one.
namespace TestZones {

// The file of a zone; empty when the database has none.
QByteArray zoneFile(const QByteArray &zone);
// The rules of a zone; a zone the database lacks ends the test program.
ZoneRules rules(const QByteArray &zone);
// The zone's offset from UTC at instant, in seconds east.
int offsetAt(const QByteArray &zone, const QDateTime &instant);

// A tz database of a test's own in folder: zoneTab as its zone.tab, and the files of UTC
// and of the zones it lists (third field of each line) that the tests' database has.
void writeZoneDatabase(const QString &folder, const QByteArray &zoneTab);

}

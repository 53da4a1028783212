#pragma once

#include <QByteArray>
#include <QString>

// What the installed tz database says of a real zone now, for the tests that show one: a
// zone's standard offset is a fact of the database release, not of the program.
namespace InstalledZones {

// The zone's standard offset now, in minutes east of UTC.
int standardMinutes(const QByteArray &zone);

// "(UTC+hh:mm) Zone" with the zone's standard offset now, as the panel's list names it.
QString listText(const QByteArray &zone);

}

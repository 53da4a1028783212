#pragma once

#include "timezones/TimeZoneEntry.h"

#include <QByteArrayList>
#include <QList>
#include <QString>
#include <QTimeZone>

// The time zone catalogue, read from the tz database: the zones of its
// zone.tab in file order, plus "UTC". Filled anew at every load of the control panel.
namespace modTimeZones {

// The catalogue and each entry's zone identifier (for example "Europe/Paris"), same indices.
extern QList<TimeZoneEntry> TimeZoneList;
extern QByteArrayList TimeZoneKeys;

// Reads the catalogue from modTimeFunctions::TimeZonesPath(). Returns false, with the
// path that could not be read in failedPath, when there is no readable zone.tab: the
// caller then reports it (FailureMessage) and ends the program.
bool LoadTimeZones(QString *failedPath = nullptr);

// Fills the catalogue from the zone.tab at path; false (catalogue left as it was) when
// the file cannot be read. Zones the time zone library does not know are skipped, so
// the indices stay dense. A catalogue with no entries is a success.
bool ReadTimeZones(const QString &zoneTabPath);

// The computer's own standard offset now, in minutes, UTC minus local standard time
// (UTC+05:30 gives -330). Honours TZ.
qint32 GetLocalBias();

// The entry for one zone at the instant now: standard offset, display text, names.
TimeZoneEntry EntryFor(const QTimeZone &zone, const QDateTime &now);

// The text of the message shown when the database cannot be read.
QString FailureMessage(const QString &failedPath);

// Catalogue entry k; throws RuntimeError "Subscript out of range" when k names no entry.
const TimeZoneEntry &EntryAt(int k);

// The zone of catalogue entry k; throws RuntimeError "Subscript out of range" when k
// names no entry.
QTimeZone TimeZoneAt(int k);

}

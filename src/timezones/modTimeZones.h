#pragma once

#include "timezones/TimeZoneEntry.h"
#include "timezones/ZoneRules.h"

#include <QByteArrayList>
#include <QList>
#include <QString>

// The time zone catalogue, read from the tz database: the zones of its
// zone.tab in file order, plus "UTC". Filled anew at every load of the control panel.
namespace modTimeZones {

// The catalogue and each entry's zone identifier (for example "Europe/Paris"), same indices.
extern QList<TimeZoneEntry> TimeZoneList;
extern QByteArrayList TimeZoneKeys;
// The identifiers zone.tab lists whose zone files cannot be read (a file damaged or
// missing): the catalogue lacks them.
extern QByteArrayList UnreadableKeys;

// Reads the catalogue from modTimeFunctions::TimeZonesPath(). Returns false, with the
// path that could not be read in failedPath, when there is no readable zone.tab: the
// caller then reports it (FailureMessage) and ends the program.
bool LoadTimeZones(QString *failedPath = nullptr);

// Starts reading the catalogue of modTimeFunctions::TimeZonesPath() on a thread of its
// own, so that the first LoadTimeZones finds it read, or waits only for the rest. Reading
// the database is the costliest step of the program's start, and it needs no window.
// Called from the program's main thread once Qt knows it as its main one: the application
// object exists, or the thread asked QThread::currentThread() first.
void PrefetchTimeZones();

// Ends a prefetch still running, its catalogue dropped, after the zone it is reading: the
// thread must be gone before the program's way out takes the library's data from under it.
void AbandonPrefetch();

// Fills the catalogue from the zone.tab at path (from a prefetch of that path when one
// is pending); false (catalogue left as it was) when
// the file cannot be read. Zones whose files cannot be read are skipped, so
// the indices stay dense, and kept in UnreadableKeys. A catalogue with no entries is a success.
bool ReadTimeZones(const QString &zoneTabPath);

// The computer's own standard offset now, in minutes, UTC minus local standard time
// (UTC+05:30 gives -330). Honours TZ.
qint32 GetLocalBias();

// The catalogue index of the zone a first run selects: the computer's own zone (or the
// zone its identifier links to), else the first entry of listOrder (catalogue indices in
// the order the list shows them) whose offsets equal the computer's at every instant of
// year; -1 when there is none.
int ComputerZoneIndex(const QList<int> &listOrder, int year);

// The catalogue index of a zone identifier; -1 when the catalogue lacks it.
int IndexOfKey(const QByteArray &key);
// The catalogue index of the zone a stored identifier names now: itself, else the zone it
// links to in the tz database (the same file on disk, or a link line of tzdata.zi:
// "America/Yellowknife" became America/Edmonton); -1 when it has no successor.
int IndexOfZoneNamed(const QByteArray &name);

// Whether a stored identifier names a zone the catalogue lacks because its file cannot be
// read: one of UnreadableKeys, or a name of the same file on disk.
bool IsUnreadableZone(const QByteArray &name);

// The entry for one zone at the instant now (seconds since the epoch): standard offset,
// display text, names.
TimeZoneEntry EntryFor(const QByteArray &identifier, const ZoneRules &rules, qint64 now);

// The text of the message shown when the database cannot be read.
QString FailureMessage(const QString &failedPath);

// Catalogue entry k; throws RuntimeError "Subscript out of range" when k names no entry.
const TimeZoneEntry &EntryAt(int k);

// The identifier of catalogue entry k; throws RuntimeError "Subscript out of range" when k
// names no entry.
const QByteArray &TimeZoneKeyAt(int k);

}

#include "timezones/modTimeZones.h"

#include "base/RuntimeError.h"
#include "timezones/ComputerZone.h"
#include "timezones/modTimeFunctions.h"

#include <QDateTime>

namespace modTimeZones {

QList<TimeZoneEntry> TimeZoneList;
QByteArrayList TimeZoneKeys;

namespace {

const QByteArray utcIdentifier = QByteArrayLiteral("UTC");

// The library's zone for an identifier, made once per process: making one reads and
// parses its file again each time (the library keeps only some of them), which would
// cost more than the rest of the listing together. The library caches the zones it
// parsed too, so an update of the database while the program runs goes unnoticed either way.
const QTimeZone &knownZone(const QByteArray &identifier)
{
    static QHash<QByteArray, QTimeZone> zones;
    auto found = zones.constFind(identifier);
    if (found == zones.cend())
        found = zones.insert(identifier, QTimeZone(identifier));
    return found.value();
}

qint32 biasOf(const QTimeZone &zone, const QDateTime &now)
{
    return -zone.standardTimeOffset(now) / 60;
}

}

bool LoadTimeZones(QString *failedPath)
{
    const QString path = modTimeFunctions::TimeZonesPath();
    if (ReadTimeZones(path))
        return true;
    if (failedPath)
        *failedPath = path;
    return false;
}

bool ReadTimeZones(const QString &zoneTabPath)
{
    bool ok = false;
    QByteArrayList identifiers = modTimeFunctions::ReadZoneTab(zoneTabPath, &ok);
    if (!ok)
        return false;
    if (!identifiers.contains(utcIdentifier))
        identifiers.append(utcIdentifier);

    const QDateTime now = QDateTime::currentDateTimeUtc();
    QList<TimeZoneEntry> list;
    QByteArrayList keys;
    list.reserve(identifiers.size());
    keys.reserve(identifiers.size());
    for (const QByteArray &identifier : std::as_const(identifiers)) {
        const QTimeZone &zone = knownZone(identifier);
        if (!zone.isValid())
            continue;
        keys.append(identifier);
        list.append(EntryFor(zone, now));
    }
    TimeZoneList = std::move(list);
    TimeZoneKeys = std::move(keys);
    return true;
}

TimeZoneEntry EntryFor(const QTimeZone &zone, const QDateTime &now)
{
    TimeZoneEntry entry;
    entry.Bias = biasOf(zone, now);
    entry.Display = modTimeFunctions::NormaliseDisplay(
        modTimeFunctions::OffsetDisplay(-entry.Bias, QString::fromLatin1(zone.id())));

    // The names of standard and daylight time: the current period's abbreviation, and
    // for a zone that changes, the next period's.
    const auto record = [&entry](const QString &abbreviation, int daylightSeconds) {
        if (daylightSeconds == 0) {
            if (entry.Std.isEmpty())
                entry.Std = abbreviation;
        } else if (entry.Dlt.isEmpty()) {
            entry.Dlt = abbreviation;
            entry.DaylightBias = -daylightSeconds / 60;
        }
    };
    record(zone.abbreviation(now), zone.isDaylightTime(now) ? zone.daylightTimeOffset(now) : 0);
    if (zone.hasTransitions()) {
        const QTimeZone::OffsetData next = zone.nextTransition(now);
        if (next.atUtc.isValid() && !next.abbreviation.isEmpty())
            record(next.abbreviation, next.daylightTimeOffset);
    }
    return entry;
}

qint32 GetLocalBias()
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const QTimeZone system = QTimeZone::systemTimeZone();
    if (system.isValid())
        return biasOf(system, now);
    // A TZ the library cannot name: the C library's offset now, daylight saving removed.
    const QDateTime local = now.toLocalTime();
    const int daylight = local.isDaylightTime() ? 3600 : 0;
    return -(local.offsetFromUtc() - daylight) / 60;
}

int ComputerZoneIndex(const QList<int> &listOrder, int year)
{
    const int own = ComputerZone::indexOfComputerZone(TimeZoneKeys, QTimeZone::systemTimeZoneId(),
                                                      modTimeFunctions::TimeZoneFolder());
    if (own != -1)
        return own;
    const ComputerZone::LocalYear local(year);
    for (int k : listOrder) {
        if (k >= 0 && k < TimeZoneKeys.size() && local.matches(knownZone(TimeZoneKeys.at(k))))
            return k;
    }
    return -1;
}

int IndexOfKey(const QByteArray &key)
{
    return static_cast<int>(TimeZoneKeys.indexOf(key));
}

QString FailureMessage(const QString &failedPath)
{
    return QStringLiteral("The time zone database cannot be read: ") + failedPath;
}

const TimeZoneEntry &EntryAt(int k)
{
    if (k < 0 || k >= TimeZoneList.size())
        throw RuntimeError(RuntimeErrors::subscriptOutOfRange);
    return TimeZoneList.at(k);
}

QTimeZone TimeZoneAt(int k)
{
    EntryAt(k);
    return knownZone(TimeZoneKeys.at(k));
}

}

#include "timezones/modTimeZones.h"

#include "app/RuntimeError.h"
#include "timezones/modTimeFunctions.h"

#include <QDateTime>

namespace modTimeZones {

QList<TimeZoneEntry> TimeZoneList;
QByteArrayList TimeZoneKeys;

namespace {

const QByteArray utcIdentifier = QByteArrayLiteral("UTC");

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
        const QTimeZone zone(identifier);
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
    const QTimeZone::OffsetData current = zone.offsetData(now);
    entry.Bias = -current.standardTimeOffset / 60;
    entry.Display = modTimeFunctions::NormaliseDisplay(
        modTimeFunctions::OffsetDisplay(-entry.Bias, QString::fromLatin1(zone.id())));

    // The names of standard and daylight time: the current period's abbreviation, and
    // for a zone that changes, the next period's.
    QTimeZone::OffsetData other;
    if (zone.hasTransitions())
        other = zone.nextTransition(now);
    for (const QTimeZone::OffsetData &period : { current, other }) {
        if (!period.atUtc.isValid())
            continue;
        if (period.daylightTimeOffset == 0) {
            if (entry.Std.isEmpty())
                entry.Std = period.abbreviation;
        } else if (entry.Dlt.isEmpty()) {
            entry.Dlt = period.abbreviation;
            entry.DaylightBias = -period.daylightTimeOffset / 60;
        }
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

QString FailureMessage(const QString &failedPath)
{
    return QStringLiteral("The time zone database cannot be read: ") + failedPath;
}

QTimeZone TimeZoneAt(int k)
{
    if (k < 0 || k >= TimeZoneKeys.size())
        throw RuntimeError(RuntimeErrors::subscriptOutOfRange);
    return QTimeZone(TimeZoneKeys.at(k));
}

}

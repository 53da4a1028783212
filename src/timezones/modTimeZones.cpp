#include "timezones/modTimeZones.h"

#include "base/RuntimeError.h"
#include "timezones/ComputerZone.h"
#include "timezones/TzDatabaseFiles.h"
#include "timezones/ZoneRulesCache.h"
#include "timezones/modTimeFunctions.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QTimeZone>

#include <atomic>
#include <future>
#include <optional>

namespace modTimeZones {

QList<TimeZoneEntry> TimeZoneList;
QByteArrayList TimeZoneKeys;
QByteArrayList UnreadableKeys;

namespace {

const QByteArray utcIdentifier = QByteArrayLiteral("UTC");

qint32 biasOf(const ZonePeriod &period)
{
    return -period.standardOffset / 60;
}

// The rules of a zone of the database in folder; null when its file cannot be read.
std::shared_ptr<const ZoneRules> rulesOfZone(const QString &folder, const QByteArray &identifier)
{
    return ZoneRulesCache::rulesOf(QDir(folder).filePath(QString::fromLatin1(identifier)));
}

struct Catalogue {
    bool read = false;
    QList<TimeZoneEntry> list;
    QByteArrayList keys;
    QByteArrayList unreadable;
};

// Set to have a prefetch stop at the next zone, its catalogue unread.
std::atomic<bool> prefetchAbandoned = false;

Catalogue readCatalogue(const QString &zoneTabPath)
{
    Catalogue catalogue;
    QByteArrayList identifiers = modTimeFunctions::ReadZoneTab(zoneTabPath, &catalogue.read);
    if (!catalogue.read)
        return catalogue;
    if (!identifiers.contains(utcIdentifier))
        identifiers.append(utcIdentifier);

    // The zone files beside the zone.tab.
    const QString folder = QFileInfo(zoneTabPath).path();
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    catalogue.list.reserve(identifiers.size());
    catalogue.keys.reserve(identifiers.size());
    for (const QByteArray &identifier : std::as_const(identifiers)) {
        if (prefetchAbandoned)
            return {};
        const std::shared_ptr<const ZoneRules> rules = rulesOfZone(folder, identifier);
        if (!rules) {
            catalogue.unreadable.append(identifier);
            continue;
        }
        catalogue.keys.append(identifier);
        catalogue.list.append(EntryFor(identifier, *rules, now));
    }
    return catalogue;
}

// A read started ahead of time, and the path it reads.
struct Prefetch {
    QString path;
    std::future<Catalogue> catalogue;
};
std::optional<Prefetch> prefetch;

// The prefetched catalogue of path, if one was started; a prefetch of another path is
// waited for and dropped.
std::optional<Catalogue> takePrefetched(const QString &zoneTabPath)
{
    if (!prefetch)
        return std::nullopt;
    Prefetch started = std::move(*prefetch);
    prefetch.reset();
    Catalogue catalogue = started.catalogue.get();
    if (started.path != zoneTabPath)
        return std::nullopt;
    return catalogue;
}

}

void PrefetchTimeZones()
{
    takePrefetched(QString());
    prefetchAbandoned = false;
    const QString path = modTimeFunctions::TimeZonesPath();
    prefetch = Prefetch { path, std::async(std::launch::async, readCatalogue, path) };
}

void AbandonPrefetch()
{
    prefetchAbandoned = true;
    takePrefetched(QString());
    prefetchAbandoned = false;
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
    Catalogue catalogue = takePrefetched(zoneTabPath).value_or(Catalogue {});
    if (!catalogue.read)
        catalogue = readCatalogue(zoneTabPath);
    if (!catalogue.read)
        return false;
    TimeZoneList = std::move(catalogue.list);
    TimeZoneKeys = std::move(catalogue.keys);
    UnreadableKeys = std::move(catalogue.unreadable);
    return true;
}

bool IsUnreadableZone(const QByteArray &name)
{
    return !name.isEmpty()
        && ComputerZone::indexOfComputerZone(UnreadableKeys, name, modTimeFunctions::TimeZoneFolder()) != -1;
}

TimeZoneEntry EntryFor(const QByteArray &identifier, const ZoneRules &rules, qint64 now)
{
    TimeZoneEntry entry;
    const ZonePeriod current = rules.periodAt(now);
    entry.Bias = biasOf(current);
    entry.Display = modTimeFunctions::NormaliseDisplay(
        modTimeFunctions::OffsetDisplay(-entry.Bias, QString::fromLatin1(identifier)));

    // The names of standard and daylight time: the current period's abbreviation, and
    // for a zone that changes, the next period's.
    const auto record = [&entry](const ZonePeriod &period) {
        if (period.abbreviation.isEmpty())
            return;
        const QString abbreviation = QString::fromLatin1(period.abbreviation);
        if (period.daylightSaving() == 0) {
            if (entry.Std.isEmpty())
                entry.Std = abbreviation;
        } else if (entry.Dlt.isEmpty()) {
            entry.Dlt = abbreviation;
            entry.DaylightBias = -period.daylightSaving() / 60;
        }
    };
    record(current);
    if (const std::optional<qint64> next = rules.nextChange(now))
        record(rules.periodAt(*next));
    return entry;
}

qint32 GetLocalBias()
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const std::shared_ptr<const ZoneRules> computer = ComputerZone::rules();
    const QDateTime local = now.toLocalTime();
    // Rules that disagree with the C library's offset now are not taken either.
    if (computer && computer->offsetAt(now.toSecsSinceEpoch()) == local.offsetFromUtc())
        return biasOf(computer->periodAt(now.toSecsSinceEpoch()));
    // A TZ the library cannot name: the C library's offset now, daylight saving removed.
    const int daylight = local.isDaylightTime() ? 3600 : 0;
    return -(local.offsetFromUtc() - daylight) / 60;
}

int ComputerZoneIndex(const QList<int> &listOrder, int year)
{
    // The name the computer gives (TZ, /etc/timezone, the link /etc/localtime) may be stale
    // beside the rules the C library follows: it is taken only when they agree all year.
    const ComputerZone::LocalYear local(year);
    const QString folder = modTimeFunctions::TimeZoneFolder();
    const int own = ComputerZone::indexOfComputerZone(TimeZoneKeys, QTimeZone::systemTimeZoneId(), folder);
    const auto matches = [&local, &folder](const QByteArray &identifier) {
        const std::shared_ptr<const ZoneRules> rules = rulesOfZone(folder, identifier);
        return rules && local.matches(*rules);
    };
    if (own != -1 && matches(TimeZoneKeys.at(own)))
        return own;
    for (int k : listOrder) {
        if (k >= 0 && k < TimeZoneKeys.size() && matches(TimeZoneKeys.at(k)))
            return k;
    }
    return -1;
}

int IndexOfKey(const QByteArray &key)
{
    return static_cast<int>(TimeZoneKeys.indexOf(key));
}

int IndexOfZoneNamed(const QByteArray &name)
{
    const QString folder = modTimeFunctions::TimeZoneFolder();
    const int onDisk = ComputerZone::indexOfComputerZone(TimeZoneKeys, name, folder);
    if (onDisk != -1 || name.isEmpty())
        return onDisk;
    // A database installed without its old names still lists them: "L TARGET NAME".
    const QByteArray tzdataZi
        = TzDatabaseFiles::readFile(QDir(folder).filePath(QStringLiteral("tzdata.zi"))).value_or(QByteArray());
    for (const TzDatabaseFiles::Link &link : TzDatabaseFiles::parseLinks(tzdataZi)) {
        if (link.name == name)
            return IndexOfKey(link.target);
    }
    return -1;
}

QString FailureMessage(const QString &failedPath)
{
    return QCoreApplication::translate("modTimeZones", "The time zone database cannot be read: %1").arg(failedPath);
}

const TimeZoneEntry &EntryAt(int k)
{
    if (k < 0 || k >= TimeZoneList.size())
        throw RuntimeError(RuntimeErrors::subscriptOutOfRange);
    return TimeZoneList.at(k);
}

const QByteArray &TimeZoneKeyAt(int k)
{
    EntryAt(k);
    return TimeZoneKeys.at(k);
}

}

#include "timezones/ComputerZone.h"

#include "timezones/ZoneRulesCache.h"
#include "timezones/modTimeFunctions.h"

#include <QDateTime>
#include <QDir>
#include <QFile>

#include <ctime>
#include <optional>
#include <sys/stat.h>
#include <utility>

namespace ComputerZone {
namespace {

// TZ as the C library reads it: empty names UTC, a leading colon is dropped.
QByteArray zoneVariable()
{
    const QByteArray tz = qgetenv("TZ");
    if (tz.isEmpty())
        return QByteArrayLiteral("Universal");
    return tz.startsWith(':') ? tz.sliced(1) : tz;
}

// The zone file a name leads to once links are followed, as its device and inode: one
// call per name, where resolving the path to its canonical form asks for every folder on
// the way too (the search may look at every zone). None when there is no such file.
std::optional<std::pair<dev_t, ino_t>> zoneFile(const QString &zoneFolder, const QByteArray &identifier)
{
    struct stat file { };
    if (::stat(QFile::encodeName(QDir(zoneFolder).filePath(QString::fromLatin1(identifier))).constData(), &file) != 0)
        return std::nullopt;
    return std::pair(file.st_dev, file.st_ino);
}

qint64 yearStartMSecs(int year)
{
    return QDateTime(QDate(year, 1, 1), QTime(0, 0), Qt::UTC).toMSecsSinceEpoch();
}

// The C library's local offset at an instant, without asking it to look at its zone file
// again, as every QDateTime in local time does: the year is read 8,760 times at a first run.
int localOffsetAt(qint64 msecs)
{
    const time_t seconds = msecs / 1000;
    tm local {};
    localtime_r(&seconds, &local);
    return static_cast<int>(local.tm_gmtoff);
}

// The instants of the year at which the local offset differs from the hour before: the
// start of each period, whatever rule (a zone file or a POSIX TZ text) the C library
// follows. Shifts happen on whole or half hours, so hourly steps find every one.
QList<qint64> localPeriodStarts(int year)
{
    constexpr qint64 hour = 3600 * 1000;
    tzset();
    const qint64 end = yearStartMSecs(year + 1);
    QList<qint64> starts { yearStartMSecs(year) };
    int previous = localOffsetAt(starts.first());
    for (qint64 instant = starts.first() + hour; instant < end; instant += hour) {
        const int offset = localOffsetAt(instant);
        if (offset != previous)
            starts.append(instant);
        previous = offset;
    }
    return starts;
}

}

int indexOfComputerZone(const QByteArrayList &keys, const QByteArray &computerZoneId, const QString &zoneFolder)
{
    const int direct = static_cast<int>(keys.indexOf(computerZoneId));
    if (direct != -1 || computerZoneId.isEmpty())
        return direct;
    const auto target = zoneFile(zoneFolder, computerZoneId);
    if (!target)
        return -1;
    for (int k = 0; k < keys.size(); ++k) {
        if (zoneFile(zoneFolder, keys.at(k)) == target)
            return k;
    }
    return -1;
}

QString zoneFilePath()
{
    const QByteArray tz = zoneVariable();
    if (!qEnvironmentVariableIsSet("TZ") || tz.isEmpty())
        return QStringLiteral("/etc/localtime");
    // A name that is a path stays as it is.
    const QString path = QDir(modTimeFunctions::TimeZoneFolder()).filePath(QFile::decodeName(tz));
    return QFile::exists(path) || !PosixZoneRule::parse(tz) ? path : QString();
}

std::shared_ptr<const ZoneRules> rules()
{
    const QString path = zoneFilePath();
    if (std::shared_ptr<const ZoneRules> file = path.isEmpty() ? nullptr : ZoneRulesCache::rulesOf(path))
        return file;
    if (const std::optional<PosixZoneRule> rule = PosixZoneRule::parse(zoneVariable()))
        return std::make_shared<const ZoneRules>(ZoneRules::fromRule(*rule));
    return nullptr;
}

LocalYear::LocalYear(int year)
    : mYear(year)
    , mPeriodStarts(localPeriodStarts(year))
{
}

bool LocalYear::matches(const ZoneRules &zone) const
{
    // Both offsets are constant between their own changes: comparing them where either
    // changes compares them everywhere.
    QList<qint64> instants = mPeriodStarts;
    const qint64 end = yearStartMSecs(mYear + 1) / 1000;
    for (std::optional<qint64> change = zone.nextChange(yearStartMSecs(mYear) / 1000); change && *change < end;
         change = zone.nextChange(*change))
        instants.append(*change * 1000);
    for (qint64 instant : std::as_const(instants)) {
        if (zone.offsetAt(instant / 1000) != localOffsetAt(instant))
            return false;
    }
    return true;
}

}

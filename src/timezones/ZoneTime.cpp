#include "timezones/ZoneTime.h"

#include "timezones/ComputerZone.h"
#include "timezones/ZoneRulesCache.h"
#include "timezones/modTimeFunctions.h"

#include <QDir>

#include <limits>

namespace ZoneTime {
namespace {

QDateTime earlier(const QDateTime &a, const QDateTime &b)
{
    if (!a.isValid())
        return b;
    if (!b.isValid())
        return a;
    return std::min(a, b);
}

// The zone file of a zone of the catalogue.
QString chosenZoneFile(const QByteArray &chosen)
{
    return chosen.isEmpty() ? QString()
                            : QDir(modTimeFunctions::TimeZoneFolder()).filePath(QString::fromLatin1(chosen));
}

// Qt's zone of a fixed offset from UTC ("UTC", "UTC+05:30"). Qt reads other zones from
// the system's database whatever TZDIR says, so they are read from their files instead.
QTimeZone fixedOffsetZone(const QByteArray &identifier)
{
    return identifier.startsWith("UTC") ? QTimeZone(identifier) : QTimeZone();
}

}

OffsetKeeper::OffsetKeeper(QByteArray chosen)
    : mChosenId(std::move(chosen))
    , mChosen(fixedOffsetZone(mChosenId))
{
    reload();
}

void OffsetKeeper::reload()
{
    const QString chosenFile = chosenZoneFile(mChosenId);
    // A file caught half-written keeps the rules read before; its next write is seen too.
    if (std::shared_ptr<const ZoneRules> rules = chosenFile.isEmpty() ? nullptr : ZoneRulesCache::rulesOf(chosenFile))
        mChosenRules = std::move(rules);
    mComputerRules = ComputerZone::rules();
    mComputed = false;
}

std::optional<OffsetKeeper::Change> OffsetKeeper::nextChosenChange(qint64 instant) const
{
    const std::optional<qint64> at = mChosenRules ? mChosenRules->nextChange(instant) : std::nullopt;
    if (!at)
        return std::nullopt;
    return Change { *at, mChosenRules->offsetAt(*at - 1), mChosenRules->offsetAt(*at) };
}

QStringList OffsetKeeper::files() const
{
    return { chosenZoneFile(mChosenId), ComputerZone::zoneFilePath() };
}

qint32 OffsetKeeper::offsetAt(const QDateTime &instant)
{
    // Compared as milliseconds since the epoch: the clock asks every second, and each
    // comparison or sum of local date-times converts them through the C library again.
    const qint64 at = instant.toMSecsSinceEpoch();
    if (mComputed && at >= mComputedAt && at < mValidUntilMsecs)
        return mOffset;
    const qint64 seconds = at / 1000;
    const int localOffset = instant.toLocalTime().offsetFromUtc();
    if (mChosenRules)
        mOffset = (mChosenRules->offsetAt(seconds) - localOffset) / 60;
    else
        mOffset = mChosen.isValid() ? (mChosen.offsetFromUtc(instant) - localOffset) / 60 : 0;
    mComputed = true;
    mComputedAt = at;
    const auto nextOf = [&](const std::shared_ptr<const ZoneRules> &rules) {
        const std::optional<qint64> next = rules ? rules->nextChange(seconds) : std::nullopt;
        return next ? QDateTime::fromSecsSinceEpoch(*next, Qt::UTC) : QDateTime();
    };
    mValidUntil = earlier(nextOf(mChosenRules), nextOf(mComputerRules));
    mValidUntilMsecs = mValidUntil.isValid() ? mValidUntil.toMSecsSinceEpoch() : std::numeric_limits<qint64>::max();
    return mOffset;
}

}

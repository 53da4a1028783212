#include "timezones/ZoneRules.h"

#include "base/FileHelpers.h"

#include <algorithm>
#include <functional>

namespace {

// Big-endian numbers from the file's bytes; reading past the end fails the whole read.
class Bytes {
public:
    explicit Bytes(QByteArrayView data)
        : mData(data)
    {
    }

    bool failed() const { return mFailed; }
    QByteArrayView take(qsizetype count)
    {
        if (mFailed || count < 0 || count > mData.size() - mAt) {
            mFailed = true;
            return {};
        }
        const QByteArrayView part = mData.sliced(mAt, count);
        mAt += count;
        return part;
    }
    // A count: unsigned, four bytes.
    quint32 count() { return static_cast<quint32>(number(4)); }
    qint64 number(int size)
    {
        const QByteArrayView part = take(size);
        quint64 value = 0;
        for (char c : part)
            value = value << 8 | static_cast<quint8>(c);
        // Sign-extended from the number's own width.
        const int unused = 64 - 8 * size;
        return part.isEmpty() ? 0 : static_cast<qint64>(value << unused) >> unused;
    }
    QByteArrayView rest() const { return mData.sliced(std::min(mAt, mData.size())); }

private:
    QByteArrayView mData;
    qsizetype mAt = 0;
    bool mFailed = false;
};

// The six counts of a header, in the header's order. Each is checked against the bytes
// that follow it before anything is allocated.
struct Counts {
    quint32 utLocal = 0;
    quint32 standardWall = 0;
    quint32 leapSeconds = 0;
    quint32 changes = 0;
    quint32 types = 0;
    quint32 abbreviationBytes = 0;

    // The bytes of the changes and their types, of the types, and of the whole data block
    // that follows the header.
    quint64 changesSize(int timeSize) const { return quint64(changes) * static_cast<quint64>(timeSize + 1); }
    quint64 typesSize() const { return quint64(types) * 6; }
    quint64 dataSize(int timeSize) const
    {
        return changesSize(timeSize) + typesSize() + abbreviationBytes
            + quint64(leapSeconds) * static_cast<quint64>(timeSize + 4) + standardWall + utLocal;
    }
};

// A type is named by one byte; there are one to 256 of them, and each of the two flag lists
// has one entry per type or none.
bool plausible(const Counts &counts)
{
    const auto oneOrNonePerType = [&counts](quint32 count) { return count == 0 || count == counts.types; };
    return counts.types >= 1 && counts.types <= 256 && oneOrNonePerType(counts.standardWall)
        && oneOrNonePerType(counts.utLocal);
}

// The header: "TZif", the version, fifteen bytes kept for later, six counts; none unless
// the counts are plausible and their data block fits in the bytes that follow.
std::optional<Counts> header(Bytes &bytes, int timeSize, char *version)
{
    if (bytes.take(4) != QByteArrayView("TZif"))
        return std::nullopt;
    const QByteArrayView versionByte = bytes.take(1);
    *version = versionByte.isEmpty() ? '\0' : versionByte[0];
    bytes.take(15);
    Counts counts;
    for (quint32 *count : { &counts.utLocal, &counts.standardWall, &counts.leapSeconds, &counts.changes, &counts.types,
                            &counts.abbreviationBytes })
        *count = bytes.count();
    if (bytes.failed() || !plausible(counts) || counts.dataSize(timeSize) > quint64(bytes.rest().size()))
        return std::nullopt;
    return counts;
}

// An offset from UTC as the format allows it: within -24:59:59 and +25:59:59.
bool plausibleOffset(qint64 offset)
{
    return offset >= -89999 && offset <= 93599;
}

}

std::optional<ZoneRules> ZoneRules::fromZoneFile(QByteArrayView data)
{
    if (data.size() > maxFileBytes)
        return std::nullopt;
    Bytes bytes(data);
    char version = '\0';
    std::optional<Counts> counts = header(bytes, 4, &version);
    if (!counts)
        return std::nullopt;
    // From version 2 on, a second header and data block with 64-bit times follow the first.
    int timeSize = 4;
    if (version != '\0') {
        bytes.take(static_cast<qsizetype>(counts->dataSize(4)));
        timeSize = 8;
        counts = header(bytes, timeSize, &version);
        if (!counts)
            return std::nullopt;
    }
    ZoneRules rules;
    rules.mChanges.reserve(counts->changes);
    for (quint32 k = 0; k < counts->changes; ++k)
        rules.mChanges.append(bytes.number(timeSize));
    // Changes are listed in order, each after the one before.
    if (std::adjacent_find(rules.mChanges.cbegin(), rules.mChanges.cend(), std::greater_equal<qint64>())
        != rules.mChanges.cend())
        return std::nullopt;
    const QByteArrayView typeOfChange = bytes.take(counts->changes);
    struct Type {
        ZonePeriod period;
        quint8 abbreviationAt = 0;
    };
    QList<Type> types;
    types.reserve(counts->types);
    for (quint32 k = 0; k < counts->types; ++k) {
        const qint64 offset = bytes.number(4);
        const QByteArrayView flags = bytes.take(2);
        if (!plausibleOffset(offset) || flags.size() != 2 || static_cast<quint8>(flags[0]) > 1)
            return std::nullopt;
        const int seconds = static_cast<int>(offset);
        types.append({ { seconds, seconds, flags[0] == 1, {} }, static_cast<quint8>(flags[1]) });
    }
    const QByteArrayView abbreviations = bytes.take(counts->abbreviationBytes);
    // The header made sure the whole data block is there.
    bytes.take(static_cast<qsizetype>(counts->dataSize(timeSize) - counts->changesSize(timeSize) - counts->typesSize()
                                      - counts->abbreviationBytes));
    for (Type &type : types) {
        // Each abbreviation ends with a zero byte, and types may point into the middle of one.
        if (type.abbreviationAt > abbreviations.size())
            return std::nullopt;
        const QByteArrayView text = abbreviations.sliced(type.abbreviationAt);
        const qsizetype end = text.indexOf('\0');
        type.period.abbreviation = (end < 0 ? text : text.first(end)).toByteArray();
    }
    rules.mPeriods.reserve(counts->changes);
    for (char type : typeOfChange) {
        const quint8 index = static_cast<quint8>(type);
        if (index >= types.size())
            return std::nullopt;
        rules.mPeriods.append(types.at(index).period);
    }
    rules.mFirstPeriod = types.first().period;
    rules.setStandardOffsets();
    if (timeSize == 4)
        return rules;
    // The closing rule ends the file, between two line ends; it may be empty.
    const QByteArrayView footer = bytes.rest();
    if (footer.size() < 2 || !footer.startsWith('\n') || footer.indexOf('\n', 1) != footer.size() - 1)
        return std::nullopt;
    const QByteArrayView ruleText = footer.sliced(1, footer.size() - 2);
    if (!ruleText.isEmpty()) {
        rules.mRule = PosixZoneRule::parse(ruleText);
        if (!rules.mRule)
            return std::nullopt;
    }
    return rules;
}

std::optional<ZoneRules> ZoneRules::read(const QString &path)
{
    const std::optional<QByteArray> data = readFileUpTo(path, maxFileBytes);
    return data ? fromZoneFile(*data) : std::nullopt;
}

ZoneRules ZoneRules::fromRule(const PosixZoneRule &rule)
{
    ZoneRules rules;
    rules.mRule = rule;
    return rules;
}

void ZoneRules::setStandardOffsets()
{
    // A zone file names no standard offset for daylight time: it is the one of the nearest
    // standard time before, else of the nearest after.
    QList<ZonePeriod *> periods { &mFirstPeriod };
    for (ZonePeriod &period : mPeriods)
        periods.append(&period);
    std::optional<int> standard;
    for (ZonePeriod *period : std::as_const(periods)) {
        if (!period->daylight)
            standard = period->offset;
        else if (standard)
            period->standardOffset = *standard;
    }
    const auto firstStandard
        = std::find_if(periods.cbegin(), periods.cend(), [](const ZonePeriod *period) { return !period->daylight; });
    if (firstStandard != periods.cend())
        std::for_each(periods.cbegin(), firstStandard,
                      [&](ZonePeriod *period) { period->standardOffset = (*firstStandard)->offset; });
}

ZonePeriod ZoneRules::periodAt(qint64 instant) const
{
    const auto after = std::upper_bound(mChanges.cbegin(), mChanges.cend(), instant);
    if (after == mChanges.cend() && mRule)
        return mRule->periodAt(instant);
    if (after == mChanges.cbegin())
        return mFirstPeriod;
    return mPeriods.at(after - mChanges.cbegin() - 1);
}

int ZoneRules::offsetAt(qint64 instant) const
{
    return periodAt(instant).offset;
}

std::optional<qint64> ZoneRules::nextChange(qint64 instant) const
{
    const int now = offsetAt(instant);
    for (auto at = std::upper_bound(mChanges.cbegin(), mChanges.cend(), instant); at != mChanges.cend(); ++at) {
        if (offsetAt(*at) != now)
            return *at;
    }
    if (!mRule)
        return std::nullopt;
    // Past the listed changes the rule decides, from the last listed change on.
    const qint64 from = mChanges.isEmpty() ? instant : std::max(instant, mChanges.last());
    if (mRule->offsetAt(from) != now)
        return from;
    return mRule->nextChange(from);
}

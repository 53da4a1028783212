#include "timezones/ZoneRules.h"

#include <QFile>

#include <algorithm>

namespace {

// Big-endian numbers from the file's bytes; reading past the end fails the whole read.
class Bytes {
public:
    explicit Bytes(QByteArrayView data)
        : mData(data)
    {
    }

    bool failed() const { return mFailed; }
    qsizetype at() const { return mAt; }
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

struct Counts {
    qint64 utLocal = 0;
    qint64 standardWall = 0;
    qint64 leapSeconds = 0;
    qint64 changes = 0;
    qint64 types = 0;
    qint64 abbreviationBytes = 0;
};

// The header: "TZif", the version, fifteen bytes kept for later, six counts.
std::optional<Counts> header(Bytes &bytes, char *version)
{
    if (bytes.take(4) != QByteArrayView("TZif"))
        return std::nullopt;
    const QByteArrayView versionByte = bytes.take(1);
    *version = versionByte.isEmpty() ? '\0' : versionByte[0];
    bytes.take(15);
    Counts counts;
    for (qint64 *count : { &counts.utLocal, &counts.standardWall, &counts.leapSeconds, &counts.changes, &counts.types,
                           &counts.abbreviationBytes })
        *count = bytes.number(4);
    if (bytes.failed() || counts.types == 0)
        return std::nullopt;
    return counts;
}

qsizetype dataSize(const Counts &counts, int timeSize)
{
    return counts.changes * (timeSize + 1) + counts.types * 6 + counts.abbreviationBytes
        + counts.leapSeconds * (timeSize + 4) + counts.standardWall + counts.utLocal;
}

}

std::optional<ZoneRules> ZoneRules::fromZoneFile(QByteArrayView data)
{
    Bytes bytes(data);
    char version = '\0';
    std::optional<Counts> counts = header(bytes, &version);
    if (!counts)
        return std::nullopt;
    // From version 2 on, a second header and data block with 64-bit times follow the first.
    int timeSize = 4;
    if (version != '\0') {
        bytes.take(dataSize(*counts, 4));
        counts = header(bytes, &version);
        if (!counts)
            return std::nullopt;
        timeSize = 8;
    }
    ZoneRules rules;
    for (qint64 k = 0; k < counts->changes; ++k)
        rules.mChanges.append(bytes.number(timeSize));
    QList<qint64> typeOfChange;
    for (qint64 k = 0; k < counts->changes; ++k)
        typeOfChange.append(bytes.number(1) & 0xff);
    QList<int> typeOffsets;
    for (qint64 k = 0; k < counts->types; ++k) {
        typeOffsets.append(static_cast<int>(bytes.number(4)));
        bytes.take(2);
    }
    bytes.take(dataSize(*counts, timeSize) - counts->changes * (timeSize + 1) - counts->types * 6);
    if (bytes.failed())
        return std::nullopt;
    for (qint64 type : std::as_const(typeOfChange)) {
        if (type >= typeOffsets.size())
            return std::nullopt;
        rules.mOffsets.append(typeOffsets.at(type));
    }
    rules.mFirstOffset = typeOffsets.first();
    // The closing rule, between two line ends.
    const QByteArrayView footer = bytes.rest();
    if (timeSize == 8 && footer.startsWith('\n')) {
        const qsizetype end = footer.indexOf('\n', 1);
        if (end > 1)
            rules.mRule = PosixZoneRule::parse(footer.sliced(1, end - 1));
    }
    return rules;
}

std::optional<ZoneRules> ZoneRules::read(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return fromZoneFile(file.readAll());
}

ZoneRules ZoneRules::fromRule(const PosixZoneRule &rule)
{
    ZoneRules rules;
    rules.mRule = rule;
    return rules;
}

int ZoneRules::offsetAt(qint64 instant) const
{
    const auto after = std::upper_bound(mChanges.cbegin(), mChanges.cend(), instant);
    if (after == mChanges.cend() && mRule)
        return mRule->offsetAt(instant);
    if (after == mChanges.cbegin())
        return mFirstOffset;
    return mOffsets.at(after - mChanges.cbegin() - 1);
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

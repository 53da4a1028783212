#include "timezones/ZoneSearch.h"

#include "timezones/ZoneCity.h"
#include "timezones/ZoneTextMatch.h"

#include <algorithm>
#include <array>

namespace {

enum Rank { wholeName, start, inIdentifier, otherNameWord, inDisplay, ranks, noMatch = ranks };

// Whether a word of text (its start, or after a character that is no letter or digit)
// starts with key.
bool hasWordStartingWith(const QString &text, const QString &key)
{
    for (qsizetype at = text.indexOf(key); at != -1; at = text.indexOf(key, at + 1)) {
        if (at == 0 || !text.at(at - 1).isLetterOrNumber())
            return true;
    }
    return false;
}

bool isWholeName(const QString &name, const QString &key)
{
    return comparableZoneText(name) == key || comparableZoneText(zoneCityName(name.toUtf8())) == key;
}

// Whether a name of otherNames matches, with the shown name of its place in reason.
template <typename Matches>
bool findOtherName(const QList<QStringList> &otherNames, Matches matches, QString *reason)
{
    for (const QStringList &place : otherNames) {
        if (std::any_of(place.cbegin(), place.cend(), matches)) {
            *reason = place.first();
            return true;
        }
    }
    return false;
}

Rank rankOf(const ZoneCandidate &candidate, const QString &key, const QList<QStringList> &otherNames, QString *reason)
{
    const QString identifier = QString::fromUtf8(candidate.identifier);
    const QString city = comparableZoneText(candidate.city);
    if (isWholeName(identifier, key) || (!city.isEmpty() && city == key))
        return wholeName;
    if (findOtherName(
            otherNames, [&key](const QString &name) { return isWholeName(name, key); }, reason))
        return wholeName;
    const QString comparable = comparableZoneText(identifier);
    if (comparable.startsWith(key) || comparableZoneText(zoneCityName(candidate.identifier)).startsWith(key)
        || (!city.isEmpty() && city.startsWith(key)))
        return start;
    if (comparable.contains(key))
        return inIdentifier;
    const auto wordStarts = [&key](const QString &name) { return hasWordStartingWith(comparableZoneText(name), key); };
    if (findOtherName(otherNames, wordStarts, reason))
        return otherNameWord;
    return zoneTextMatches(candidate.display, key) ? inDisplay : noMatch;
}

}

QList<ZoneMatch> rankZoneMatches(const QList<ZoneCandidate> &candidates, const QString &typed,
                                 const ZoneOtherNames &otherNames)
{
    const QString key = comparableZoneText(typed);
    std::array<QList<ZoneMatch>, ranks> ranked;
    for (int i = 0; i < candidates.size(); ++i) {
        const ZoneCandidate &candidate = candidates.at(i);
        QString reason;
        const Rank rank = rankOf(candidate, key, otherNames.value(candidate.identifier), &reason);
        if (rank != noMatch)
            ranked[rank].append({ i, reason });
    }
    QList<ZoneMatch> matches;
    for (const QList<ZoneMatch> &rank : ranked)
        matches.append(rank);
    return matches;
}

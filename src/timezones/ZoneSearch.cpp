#include "timezones/ZoneSearch.h"

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

// Whether a name, or its last part ("Calcutta" of "Asia/Calcutta"), both as comparable
// text, is the whole key.
bool isWholeName(const QString &comparable, const QString &key)
{
    return comparable == key || comparable.section(u'/', -1) == key;
}

// Whether a name of otherNames matches, with the shown name of its place in reason. Each
// name is made comparable once: most are not ASCII.
template <typename Matches>
bool findOtherName(const QList<QStringList> &otherNames, const QList<QStringList> &comparable, Matches matches,
                   QString *reason)
{
    for (qsizetype place = 0; place < otherNames.size(); ++place) {
        if (std::any_of(comparable.at(place).cbegin(), comparable.at(place).cend(), matches)) {
            *reason = otherNames.at(place).first();
            return true;
        }
    }
    return false;
}

Rank rankOf(const ZoneCandidate &candidate, const QString &key, const QList<QStringList> &otherNames, QString *reason)
{
    const QString comparable = comparableZoneText(QString::fromUtf8(candidate.identifier));
    const QString city = comparableZoneText(candidate.city);
    if (isWholeName(comparable, key) || (!city.isEmpty() && city == key))
        return wholeName;
    QList<QStringList> comparableNames;
    for (const QStringList &place : otherNames) {
        comparableNames.append(QStringList());
        for (const QString &name : place)
            comparableNames.last().append(comparableZoneText(name));
    }
    if (findOtherName(
            otherNames, comparableNames, [&key](const QString &name) { return isWholeName(name, key); }, reason))
        return wholeName;
    if (comparable.startsWith(key) || comparable.section(u'/', -1).startsWith(key)
        || (!city.isEmpty() && city.startsWith(key)))
        return start;
    if (comparable.contains(key))
        return inIdentifier;
    const auto wordStarts = [&key](const QString &name) { return hasWordStartingWith(name, key); };
    if (findOtherName(otherNames, comparableNames, wordStarts, reason))
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

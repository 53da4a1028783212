#include "timezones/ZoneSearch.h"

#include "timezones/NearSpelling.h"
#include "timezones/ZoneTextMatch.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

enum Rank { wholeName, start, inIdentifier, otherNameWord, inDisplay, oneSlip, twoSlips, ranks, noMatch = ranks };

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

// A candidate's names as comparable text, made once for both searches: most other names are
// not ASCII.
struct ComparableNames {
    QString identifier;
    QString city;
    QList<QStringList> otherNames;
};

ComparableNames comparableNamesOf(const ZoneCandidate &candidate, const QList<QStringList> &otherNames)
{
    ComparableNames comparable { comparableZoneText(QString::fromUtf8(candidate.identifier)),
                                 comparableZoneText(candidate.city),
                                 {} };
    for (const QStringList &place : otherNames) {
        comparable.otherNames.append(QStringList());
        for (const QString &name : place)
            comparable.otherNames.last().append(comparableZoneText(name));
    }
    return comparable;
}

Rank rankOf(const ZoneCandidate &candidate, const ComparableNames &names, const QString &key,
            const QList<QStringList> &otherNames, QString *reason)
{
    const QString &comparable = names.identifier;
    const QString &city = names.city;
    if (isWholeName(comparable, key) || (!city.isEmpty() && city == key))
        return wholeName;
    if (findOtherName(
            otherNames, names.otherNames, [&key](const QString &name) { return isWholeName(name, key); }, reason))
        return wholeName;
    if (comparable.startsWith(key) || comparable.section(u'/', -1).startsWith(key)
        || (!city.isEmpty() && city.startsWith(key)))
        return start;
    if (comparable.contains(key))
        return inIdentifier;
    const auto wordStarts = [&key](const QString &name) { return hasWordStartingWith(name, key); };
    if (findOtherName(otherNames, names.otherNames, wordStarts, reason))
        return otherNameWord;
    return zoneTextMatches(candidate.display, key) ? inDisplay : noMatch;
}

// The fewest edits, at most most, from key to a name as comparable text, to its last part
// ("calcutta" of "asia/calcutta") or to one of its words; most + 1 when all need more.
int fewestEdits(const QString &name, const QString &key, int most)
{
    const QStringView whole(name);
    int fewest
        = std::min(editsBetween(whole, key, most), editsBetween(whole.sliced(name.lastIndexOf(u'/') + 1), key, most));
    qsizetype wordStart = 0;
    for (qsizetype at = 0; at <= whole.size(); ++at) {
        if (at == whole.size() || !whole.at(at).isLetterOrNumber()) {
            fewest = std::min(fewest, editsBetween(whole.sliced(wordStart, at - wordStart), key, most));
            wordStart = at + 1;
        }
    }
    return fewest;
}

// The rank of a candidate whose identifier, city or other name is a slip or two of the keys
// away from key, with the shown name of the other name's place in reason when it is the
// nearest.
Rank nearRankOf(const ComparableNames &names, const QString &key, const QList<QStringList> &otherNames, int most,
                QString *reason)
{
    int fewest = std::min(fewestEdits(names.identifier, key, most), fewestEdits(names.city, key, most));
    for (qsizetype place = 0; place < otherNames.size(); ++place) {
        for (const QString &name : names.otherNames.at(place)) {
            const int edits = fewestEdits(name, key, most);
            if (edits < fewest) {
                fewest = edits;
                *reason = otherNames.at(place).first();
            }
        }
    }
    // A word of a name that only its slips could find is as near as a slip.
    return fewest > most ? noMatch : static_cast<Rank>(oneSlip + std::max(fewest, 1) - 1);
}

}

QList<ZoneMatch> rankZoneMatches(const QList<ZoneCandidate> &candidates, const QString &typed,
                                 const ZoneOtherNames &otherNames)
{
    const QString key = comparableZoneText(typed);
    std::array<QList<ZoneMatch>, ranks> ranked;
    QList<std::pair<int, ComparableNames>> unmatched;
    for (int i = 0; i < candidates.size(); ++i) {
        const ZoneCandidate &candidate = candidates.at(i);
        const QList<QStringList> places = otherNames.value(candidate.identifier);
        ComparableNames names = comparableNamesOf(candidate, places);
        QString reason;
        const Rank rank = rankOf(candidate, names, key, places, &reason);
        if (rank != noMatch)
            ranked[rank].append({ i, reason });
        else
            unmatched.append({ i, std::move(names) });
    }
    // Slips of the keys are looked for only when no name is or starts with the typed text:
    // a real name never gives way to a near one, and most keys cost no more than before.
    const int slips = slipsAllowedIn(key);
    if (slips > 0 && ranked[wholeName].isEmpty() && ranked[start].isEmpty()) {
        for (const auto &[i, names] : std::as_const(unmatched)) {
            QString reason;
            const Rank rank = nearRankOf(names, key, otherNames.value(candidates.at(i).identifier), slips, &reason);
            if (rank != noMatch)
                ranked[rank].append({ i, reason });
        }
    }
    QList<ZoneMatch> matches;
    for (const QList<ZoneMatch> &rank : ranked)
        matches.append(rank);
    return matches;
}

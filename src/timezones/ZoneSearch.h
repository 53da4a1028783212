#pragma once

#include "timezones/ZoneOtherNames.h"

#include <QByteArray>
#include <QList>
#include <QString>

// A zone a search may find: its identifier, the text the list shows for it and its city in
// the user's language ("Kalkutta"; empty: none but the identifier's).
struct ZoneCandidate {
    QByteArray identifier;
    QString display;
    QString city = {};
};

// A zone found: its index among the candidates, and the shown name of the other name it was
// found by ("Indien" for "India"), empty when its own text or city matched.
struct ZoneMatch {
    int candidate = -1;
    QString reason;

    bool operator==(const ZoneMatch &) const = default;
};

// The candidates that match typed text (letter case and accents ignored, "_" as a blank),
// best first: an identifier, city or other name that is the whole typed text ("utc",
// "India", "Calcutta", "Kalkutta"); an identifier or a city starting with it; the identifier holding
// it; a word of an other name starting with it; the display text, with its offset, holding
// it ("+05:30"). When no name is or starts with a typed word of four letters or more, the
// names and their words a slip or two of the keys away follow ("berln" finds Europe/Berlin;
// slipsAllowedIn), one slip before two. Within each rank the candidates keep their order.
// Nothing typed matches all.
QList<ZoneMatch> rankZoneMatches(const QList<ZoneCandidate> &candidates, const QString &typed,
                                 const ZoneOtherNames &otherNames);

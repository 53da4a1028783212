#pragma once

#include <QString>

// One other zone as the clock shows it: its place (its label, else its city) over its time,
// and under that how it differs from the clock, with its day where its date is not the
// clock's ("Tomorrow · +8 h"), after a sun or moon mark.
struct ZoneFace {
    QString place;
    QString time;
    QString difference;
    bool night = false;

    friend bool operator==(const ZoneFace &, const ZoneFace &) = default;
};

#pragma once

#include <QString>

// One other zone as the clock shows it: its place over its time (with the weekday where
// its date is not the clock's).
struct ZoneFace {
    QString place;
    QString time;

    friend bool operator==(const ZoneFace &, const ZoneFace &) = default;
};

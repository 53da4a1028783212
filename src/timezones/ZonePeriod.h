#pragma once

#include <QByteArray>

// What a zone's clocks keep between two of its changes.
struct ZonePeriod {
    // Seconds east of UTC.
    int offset = 0;
    // The offset of the zone's standard time then: the same as offset outside daylight time.
    int standardOffset = 0;
    bool daylight = false;
    // "CET", "CEST", "+0530"; empty where the data gives none.
    QByteArray abbreviation;

    // What daylight time adds to standard time; 0 outside daylight time.
    int daylightSaving() const { return daylight ? offset - standardOffset : 0; }
};

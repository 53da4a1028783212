#pragma once

#include <QString>
#include <QtGlobal>

// A date-time record of eight 16-bit fields, as the zone records of Windows hold them.
struct SystemTime {
    qint16 wYear = 0;
    qint16 wMonth = 0;
    qint16 wDayOfWeek = 0;
    qint16 wDay = 0;
    qint16 wHour = 0;
    qint16 wMinute = 0;
    qint16 wSecond = 0;
    qint16 wMilliseconds = 0;
};

// One entry of the time zone catalogue, fields in the order of the stored record.
struct TimeZoneEntry {
    // The zone's standard offset in minutes, UTC minus local standard time (UTC+01:00 is -60).
    qint32 Bias = 0;
    // Read, not used: 0, and minus the daylight-saving shift in minutes for zones that have one.
    qint32 StandardBias = 0;
    qint32 DaylightBias = 0;
    // Read, not used: the tz database gives no yearly rule in this form, so they stay empty.
    SystemTime StandardDate;
    SystemTime DaylightDate;
    // "(UTC+hh:mm) Identifier" after NormaliseDisplay: the text the list shows.
    QString Display;
    // Abbreviations of standard and daylight time where the database gives them.
    QString Std;
    QString Dlt;
    // No map identifiers in the tz database: stays empty.
    QString MapID;
};

#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <QTime>

// What an other zone shows beside its time: how far it is from the clock, its day where that
// is not the clock's, and whether it is day or night there.
namespace ZoneDifference {

// The zone's time minus the clock's, in minutes: "+8 h", "−5:30" (a true minus sign),
// "+0:45", or "±0" when they are equal.
QString text(qint64 minutes);

// The zone's date against the clock's: empty when the same, "Tomorrow" or "Yesterday" a day
// apart, the weekday's short name further apart.
QString dayText(const QDate &zoneDate, const QDate &clockDate, const QLocale &locale);

// Day from 06:00 to 18:00 of the zone's time of day, night otherwise.
bool isNight(const QTime &zoneTime);

}

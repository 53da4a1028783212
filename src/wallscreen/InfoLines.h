#pragma once

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QString>

// The smaller lines under the time: the date and the zone's place.
namespace InfoLines {

// How the date line writes the date: the locale's long or short format, or ISO 8601.
enum class DateFormat { Long, Short, Iso };

// The date on the clock at a local instant when the clock adds minutes to the local time
// of day: the local date and time moved by those minutes.
QDate shownDate(const QDateTime &localInstant, qint64 minutes);

// The date in its format and the place, each on a line of its own when shown; empty when
// neither is.
QString text(const QDate &date, DateFormat format, const QString &place, bool showDate, bool showZone,
             const QLocale &locale);

}

#include "wallscreen/InfoLines.h"

#include <QStringList>

namespace InfoLines {

QDate shownDate(const QDateTime &localInstant, qint64 minutes)
{
    // The wall-clock date and time as plain numbers, so that a daylight-saving gap of the
    // computer's zone cannot move the sum.
    const QDateTime wallClock(localInstant.date(), localInstant.time(), Qt::UTC);
    return wallClock.addSecs(minutes * 60).date();
}

QString text(const QDate &date, const QString &place, bool showDate, bool showZone, const QLocale &locale)
{
    QStringList lines;
    if (showDate)
        lines << locale.toString(date, QLocale::LongFormat);
    if (showZone)
        lines << place;
    return lines.join(QLatin1Char('\n'));
}

}

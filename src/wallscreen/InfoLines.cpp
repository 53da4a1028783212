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

QString text(const QDate &date, DateFormat format, const QString &place, bool showDate, bool showZone,
             const QLocale &locale)
{
    QStringList lines;
    if (showDate) {
        switch (format) {
        case DateFormat::Long:
            lines << locale.toString(date, QLocale::LongFormat);
            break;
        case DateFormat::Short:
            lines << locale.toString(date, QLocale::ShortFormat);
            break;
        case DateFormat::Iso:
            lines << date.toString(Qt::ISODate);
            break;
        }
    }
    if (showZone)
        lines << place;
    return lines.join(QLatin1Char('\n'));
}

}

#include "wallscreen/ClockChangeNotice.h"

#include <QDateTime>
#include <QStringList>

namespace ClockChangeNotice {
namespace {

// "1 hour", "30 minutes", "1 hour 30 minutes".
QString amountText(int seconds)
{
    const int minutes = std::abs(seconds) / 60;
    QStringList parts;
    if (minutes >= 60)
        parts << (minutes < 120 ? QStringLiteral("1 hour") : QStringLiteral("%1 hours").arg(minutes / 60));
    if (minutes % 60 != 0)
        parts << QStringLiteral("%1 minutes").arg(minutes % 60);
    return parts.join(u' ');
}

}

QString text(qint64 instant, qint64 changeAt, int offsetBefore, int offsetAfter, const QLocale &locale)
{
    if (offsetBefore == offsetAfter || changeAt <= instant || changeAt - instant > ahead)
        return QString();
    // Dates and times on the clock, which shows the zone's time before the change until then.
    const QDateTime now = QDateTime::fromSecsSinceEpoch(instant + offsetBefore, Qt::UTC);
    const QDateTime at = QDateTime::fromSecsSinceEpoch(changeAt + offsetBefore, Qt::UTC);
    const qint64 days = now.date().daysTo(at.date());
    // A change in the small hours is tonight's from the afternoon before on.
    QString when;
    if (at.time().hour() < 6 && (days == 0 || now.time().hour() >= 12))
        when = QStringLiteral("tonight");
    else if (days == 0)
        when = QStringLiteral("today");
    else
        when = QStringLiteral("on ") + locale.dayName(at.date().dayOfWeek());
    // Changes come at whole minutes: the seconds that some short formats hold (the C locale's
    // "HH:mm:ss") are left out.
    QString timeFormat = locale.timeFormat(QLocale::ShortFormat);
    timeFormat.remove(QStringLiteral(":ss"));
    return QStringLiteral("Clocks go %1 %2 %3 at %4")
        .arg(offsetAfter > offsetBefore ? QStringLiteral("forward") : QStringLiteral("back"),
             amountText(offsetAfter - offsetBefore), when, locale.toString(at.time(), timeFormat));
}

}

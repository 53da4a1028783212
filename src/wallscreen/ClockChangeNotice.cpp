#include "wallscreen/ClockChangeNotice.h"

#include <QCoreApplication>
#include <QDateTime>

namespace ClockChangeNotice {
namespace {

// "1 hour", "30 minutes", "1 hour 30 minutes".
QString amountText(int seconds)
{
    const int minutes = std::abs(seconds) / 60;
    // Counts in variables: lupdate does not take an expression for the count.
    const int hours = minutes / 60;
    const int restMinutes = minutes % 60;
    const QString hoursText
        = QCoreApplication::translate("ClockChangeNotice", "%n hour(s)", "how far clocks go forward or back", hours);
    const QString minutesText = QCoreApplication::translate("ClockChangeNotice", "%n minute(s)",
                                                            "how far clocks go forward or back", restMinutes);
    if (restMinutes == 0)
        return hoursText;
    if (hours == 0)
        return minutesText;
    return QCoreApplication::translate("ClockChangeNotice", "%1 %2", "hours, then minutes, of a clock change")
        .arg(hoursText, minutesText);
}

}

QString text(qint64 instant, qint64 changeAt, int offsetBefore, int offsetAfter, const QLocale &locale,
             const ClockTimeText &time)
{
    if (offsetBefore == offsetAfter || changeAt <= instant || changeAt - instant > ahead)
        return QString();
    // Dates and times on the clock, which shows the zone's time before the change until then.
    const QDateTime now = QDateTime::fromSecsSinceEpoch(instant + offsetBefore, Qt::UTC);
    const QDateTime at = QDateTime::fromSecsSinceEpoch(changeAt + offsetBefore, Qt::UTC);
    const qint64 days = now.date().daysTo(at.date());
    const QString amount = amountText(offsetAfter - offsetBefore);
    const QString atTime = time.at(at.time());
    const bool forward = offsetAfter > offsetBefore;
    // A change in the small hours is tonight's from the afternoon before on.
    if (at.time().hour() < 6 && (days == 0 || now.time().hour() >= 12)) {
        return (forward ? QCoreApplication::translate("ClockChangeNotice", "Clocks go forward %1 tonight %2")
                        : QCoreApplication::translate("ClockChangeNotice", "Clocks go back %1 tonight %2"))
            .arg(amount, atTime);
    }
    if (days == 0)
        return (forward ? QCoreApplication::translate("ClockChangeNotice", "Clocks go forward %1 today %2")
                        : QCoreApplication::translate("ClockChangeNotice", "Clocks go back %1 today %2"))
            .arg(amount, atTime);
    return (forward ? QCoreApplication::translate("ClockChangeNotice", "Clocks go forward %1 on %2 %3",
                                                  "%2 is a weekday, %3 a time with its preposition")
                    : QCoreApplication::translate("ClockChangeNotice", "Clocks go back %1 on %2 %3",
                                                  "%2 is a weekday, %3 a time with its preposition"))
        .arg(amount, locale.dayName(at.date().dayOfWeek()), atTime);
}

}

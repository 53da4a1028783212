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

// The weekday of a change as the notice words it: "Sunday" after "on" in English, with the
// preposition and case the sentence needs in other languages ("в воскресенье", "am Sonntag").
QString weekdayText(int dayOfWeek)
{
    switch (dayOfWeek) {
    case Qt::Monday:
        return QCoreApplication::translate("ClockChangeNotice", "Monday", "a weekday in a clock-change notice");
    case Qt::Tuesday:
        return QCoreApplication::translate("ClockChangeNotice", "Tuesday", "a weekday in a clock-change notice");
    case Qt::Wednesday:
        return QCoreApplication::translate("ClockChangeNotice", "Wednesday", "a weekday in a clock-change notice");
    case Qt::Thursday:
        return QCoreApplication::translate("ClockChangeNotice", "Thursday", "a weekday in a clock-change notice");
    case Qt::Friday:
        return QCoreApplication::translate("ClockChangeNotice", "Friday", "a weekday in a clock-change notice");
    case Qt::Saturday:
        return QCoreApplication::translate("ClockChangeNotice", "Saturday", "a weekday in a clock-change notice");
    default:
        return QCoreApplication::translate("ClockChangeNotice", "Sunday", "a weekday in a clock-change notice");
    }
}

// "Clocks went back 1 hour at 03:00", the time as the clock read it before the change.
QString pastText(const QString &amount, bool forward, const QTime &at, const ClockTimeText &time)
{
    return (forward ? QCoreApplication::translate("ClockChangeNotice", "Clocks went forward %1 %2",
                                                  "%2 is a time with its preposition")
                    : QCoreApplication::translate("ClockChangeNotice", "Clocks went back %1 %2",
                                                  "%2 is a time with its preposition"))
        .arg(amount, time.at(at));
}

}

QString text(qint64 instant, const Change &change, const ClockTimeText &time)
{
    if (change.before == change.after || change.at - instant > ahead || instant - change.at >= afterwards)
        return QString();
    // Dates and times on the clock, which shows the zone's time before the change until then.
    const QDateTime now = QDateTime::fromSecsSinceEpoch(instant + change.before, Qt::UTC);
    const QDateTime at = QDateTime::fromSecsSinceEpoch(change.at + change.before, Qt::UTC);
    const QTime becomes = QDateTime::fromSecsSinceEpoch(change.at + change.after, Qt::UTC).time();
    const QString amount = amountText(change.after - change.before);
    const bool forward = change.after > change.before;
    if (change.at <= instant)
        return pastText(amount, forward, at.time(), time);
    const qint64 days = now.date().daysTo(at.date());
    const QString clocksRead = time.becomes(at.time(), becomes);
    // A change in the small hours is tonight's from the afternoon before on.
    if (at.time().hour() < 6 && (days == 0 || now.time().hour() >= 12)) {
        return (forward ? QCoreApplication::translate("ClockChangeNotice", "Clocks go forward %1 tonight: %2",
                                                      "%2 is the time before, then after")
                        : QCoreApplication::translate("ClockChangeNotice", "Clocks go back %1 tonight: %2",
                                                      "%2 is the time before, then after"))
            .arg(amount, clocksRead);
    }
    if (days == 0)
        return (forward ? QCoreApplication::translate("ClockChangeNotice", "Clocks go forward %1 today: %2",
                                                      "%2 is the time before, then after")
                        : QCoreApplication::translate("ClockChangeNotice", "Clocks go back %1 today: %2",
                                                      "%2 is the time before, then after"))
            .arg(amount, clocksRead);
    return (forward ? QCoreApplication::translate("ClockChangeNotice", "Clocks go forward %1 on %2: %3",
                                                  "%2 is a weekday, %3 the time before, then after")
                    : QCoreApplication::translate("ClockChangeNotice", "Clocks go back %1 on %2: %3",
                                                  "%2 is a weekday, %3 the time before, then after"))
        .arg(amount, weekdayText(at.date().dayOfWeek()), clocksRead);
}

QString text(qint64 instant, const ZoneTime::OffsetKeeper &zone, const ClockTimeText &time)
{
    const std::optional<Change> change = zone.nextChosenChange(instant - afterwards);
    return change ? text(instant, *change, time) : QString();
}

}

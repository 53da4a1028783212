#pragma once

#include <QLocale>
#include <QString>
#include <QTime>

// How a locale writes the clock's times: the marker of the half of the day on the 12-hour
// clock with what joins it to the time (" AM" after it, "午前" before it), whether the hour
// has two digits, and the digits themselves. English and the C locale write "06:33:09 AM"
// and "06:33"; a locale whose own time format is on the 12-hour clock gives the marker's
// place and the hour's digits; another writes the hour as its natives do ("6:33"), and the
// program's catalogue says on which side of the time its marker goes.
struct DayHalfMarkers {
    QString am = QStringLiteral(" AM");
    QString pm = QStringLiteral(" PM");
    bool markerFirst = false;
    bool twoDigitTwelveHour = true;
    bool twoDigitTwentyFourHour = true;
    char32_t zeroDigit = U'0';

    static DayHalfMarkers of(const QLocale &locale);

    const QString &at(const QTime &time) const { return time.hour() < 12 ? am : pm; }

    // The time of day on the 12-hour clock with its marker, or on the 24-hour one, with or
    // without its seconds.
    QString write(const QTime &time, bool twelveHour, bool seconds) const;
};

#pragma once

#include <QLocale>
#include <QString>
#include <QTime>

// The texts after a time on the 12-hour clock: a space and the locale's own marker ("午前",
// "上午"), or " AM" and " PM" in English, in the C locale and where the locale has none.
struct DayHalfMarkers {
    QString am;
    QString pm;

    static DayHalfMarkers of(const QLocale &locale);

    const QString &at(const QTime &time) const { return time.hour() < 12 ? am : pm; }
};

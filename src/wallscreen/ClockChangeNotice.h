#pragma once

#include "wallscreen/ClockTimeText.h"

#include <QLocale>
#include <QString>

// The line that announces a change of the clock zone's offset within the coming day, such as
// "Clocks go forward 1 hour tonight at 2:00 AM" or "Clocks go back 1 hour on Sunday at 03:00".
namespace ClockChangeNotice {

// How long before a change it is announced, in seconds.
constexpr qint64 ahead = 24 * 3600;

// The line at an instant for a change at changeAt from offsetBefore to offsetAfter (instants
// in seconds since the epoch, offsets in seconds east of UTC), the time of the change as the
// clock shows it before the change, the weekday in the locale; empty unless the change comes
// within the next 24 hours.
QString text(qint64 instant, qint64 changeAt, int offsetBefore, int offsetAfter, const QLocale &locale,
             const ClockTimeText &time);

}

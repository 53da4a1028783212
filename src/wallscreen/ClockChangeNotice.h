#pragma once

#include "timezones/ZoneTime.h"
#include "wallscreen/ClockTimeText.h"

#include <QString>

// The line that announces a change of the clock zone's offset within the coming day, such as
// "Clocks go forward 1 hour tonight: 2:00 AM becomes 3:00 AM", and tells of it for half a day
// after: "Clocks went back 1 hour at 03:00".
namespace ClockChangeNotice {

using Change = ZoneTime::OffsetKeeper::Change;

// How long before a change it is announced, and how long after it is told of, in seconds.
constexpr qint64 ahead = 24 * 3600;
constexpr qint64 afterwards = 12 * 3600;

// The line at an instant (seconds since the epoch) about a change: its times as the clock
// shows them on either side of it, the weekday in the program's language; empty unless the
// change comes within the next 24 hours or came within the last 12.
QString text(qint64 instant, const Change &change, const ClockTimeText &time);

// The line at an instant about the chosen zone's change that came within the last 12 hours,
// else its next; empty where there is none to tell of.
QString text(qint64 instant, const ZoneTime::OffsetKeeper &zone, const ClockTimeText &time);

}

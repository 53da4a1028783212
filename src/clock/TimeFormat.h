#pragma once

#include "settings/ClockFormat.h"
#include "wallscreen/DayHalfMarkers.h"

#include <QString>
#include <QTime>

// The clock's time text and where it goes.
namespace TimeFormat {

using ClockFormat = ::ClockFormat;

// The format the clock shows for the one selected on the panel: the 24-hour time with
// seconds where that option is on.
ClockFormat shownFormat(ClockFormat selected, bool secondsIn24Hour);

// Whether the format is one of the 12-hour clock.
bool isTwelveHour(ClockFormat format);

// The time of day moved by a number of minutes, wrapping past midnight either way.
QTime shiftedTimeOfDay(const QTime &localTime, qint64 minutes);

// "hh:mm:ss AM/PM", "hh:mm AM/PM", "HH:mm" or "HH:mm:ss" as the locale of the markers writes
// them ("午前6:33:09" in Japanese); empty for no format.
QString format(const QTime &time, ClockFormat format, const DayHalfMarkers &markers);

// The text's left edge that centres it on the strip: half the strip width minus half
// the text width, each rounded half-to-even and then halved toward zero. Negative when
// the text is wider than the strip.
int centredX(double stripWidth, double textWidth);

// Milliseconds from a time of day to the next moment at which the text of the format can
// change: the next whole second for the format with seconds, the next whole minute for
// the others (and for no format, whose empty text never changes).
int msecsToNextChange(const QTime &now, ClockFormat format);

}

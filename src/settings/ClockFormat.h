#pragma once

// The time formats the panel's format options choose between; None while no option is
// selected. The 24-hour time with seconds is never chosen on the panel: the clock shows it
// for "Hour, minutes" when the wall-screen option asks for seconds.
enum class ClockFormat { HoursMinutesSecondsAmPm, HoursMinutesAmPm, HoursMinutes, HoursMinutesSeconds, None };

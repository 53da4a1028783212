#pragma once

#include <QLocale>

class SettingsStore;

// The time format the clock starts with before anyone has chosen one: the locale's own kind
// of clock.
namespace FirstRunFormat {

// Whether a first run in the locale starts on the 24-hour clock with seconds: the locale's
// short time format shows no AM/PM marker. The C and POSIX locales keep the 12-hour clock.
bool twentyFourHourIn(const QLocale &locale);

// The same, where neither the user's file nor the site sets a format option; what either
// sets wins.
bool startsTwentyFourHour(const SettingsStore &settings, const QLocale &locale);

}

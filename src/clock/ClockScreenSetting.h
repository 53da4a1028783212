#pragma once

#include "dressing/ScreenIdentity.h"

class SettingsStore;

// The screen the clock last covered by the user's choice, under "Clock Screen" and three
// keys beside it for what the monitor reports of itself.
namespace ClockScreenSetting {

ScreenIdentity read(const SettingsStore &settings);
// The screen the clock covers when wanted is asked for: the site's where it locks the screen.
ScreenIdentity inForce(const SettingsStore &settings, const ScreenIdentity &wanted);
// Writes only the keys whose text differs, so showing the clock again rewrites nothing.
void store(SettingsStore &settings, const ScreenIdentity &screen);

}

#pragma once

#include "dressing/ScreenIdentity.h"

#include <QStringList>

class QScreen;

// The connected screens as the clock's screen choice sees them.
namespace ClockScreens {

ScreenIdentity identityOf(const QScreen &screen);
// The wanted screen when connected, else nullptr.
QScreen *connected(const ScreenIdentity &wanted);
// The wanted screen when connected, else the primary; nullptr when no screen is left.
QScreen *chosen(const ScreenIdentity &wanted);
// The screen the panel's button opens the clock on: the panel's, unless the remembered
// screen is away and the panel stands on the screen the clock falls back to, where the
// program put it. Then the remembered one stays wanted, and the clock returns to it.
ScreenIdentity fromPanelOn(const QScreen &panelScreen, const ScreenIdentity &remembered);
QStringList names();

}

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
QStringList names();

}

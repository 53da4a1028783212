#pragma once

#include "dressing/ScreenIdentity.h"

#include <QList>

// Which of the connected screens the clock covers, chosen from what the screens report
// alone, so that start-up and hot-plug choose alike.
namespace ScreenChoice {

// The connected screen that is the wanted one, or -1: the same monitor on the connector
// it was on, else the same monitor on another connector, else whatever monitor is now on
// the wanted connector.
qsizetype find(const QList<ScreenIdentity> &connected, const ScreenIdentity &wanted);

// The wanted screen when connected, else the primary; -1 only when no screen is connected.
qsizetype choose(const QList<ScreenIdentity> &connected, qsizetype primary, const ScreenIdentity &wanted);

}

#pragma once

#include "wallscreen/ZoneFace.h"

#include <QList>
#include <QString>

// What a screen reader reads for the clock: the time as shown, then the lines under it that
// show (the date, the place, notices), then each other zone's place and time, a line each.
QString spokenClock(const QString &time, const QString &infoLines, const QList<ZoneFace> &otherZones);

#pragma once

#include "support/ProgramFixture.h"

#include <QColor>
#include <QDateTime>
#include <QImage>
#include <QRect>
#include <memory>

class ClockWindow;

// A program on a store holding stored whose clock the panel's button opened at the instant
// now; reportsClockChanges says whether the platform tells when the computer's clock is set.
std::unique_ptr<ProgramFixture> clockOpenedAt(const QDateTime &now, const StoredValues &stored = {},
                                              bool reportsClockChanges = true);

ClockWindow &clockOf(ProgramFixture &fixture);

// The clock as a window of the given size, as on a screen of that size.
void setClockSize(ProgramFixture &fixture, const QSize &size);

// What the user sees of the clock after a tick.
QImage tickAndGrab(ProgramFixture &fixture);

// The smallest rectangle around the pixels of area (all of the image when empty) that differ
// from background.
QRect litArea(const QImage &image, const QColor &background, const QRect &area = QRect());

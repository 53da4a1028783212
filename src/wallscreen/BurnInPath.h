#pragma once

#include <QPoint>
#include <QSize>

// Where the time line stands each minute while the burn-in guard is on: one of 8 x 8
// places spread over a square of ±3% of the screen's width and height around its centred
// place, taken along a closed path that steps to a neighbouring place each minute and
// visits every place once before it repeats (64 minutes).
namespace BurnInPath {

constexpr int side = 8;
constexpr int places = side * side;

// The place (column, row) at a step of the path; the path repeats every 64 steps.
QPoint placeAt(qint64 step);

// The time line's offset from its centred place at a minute count, on a screen of the
// given size; never more than 3% of the width across or 3% of the height down.
QPoint offsetAt(qint64 minute, const QSize &screen);

}

#pragma once

#include <QSizeF>
#include <QStringList>
#include <functional>

// Font sizes that make a text fill a share of the window.
namespace FitToScreen {

// The time line's room: 90% of the window's width and 60% of its height.
QSizeF timeBounds(const QSizeF &window);

// The largest whole point size, from 1 to most, at which the text measured by measure
// (its width and line height at a point size) fits within bounds. Text sizes do not grow
// exactly in proportion (hinting, rounding), so a proportional guess is checked and then
// moved a point at a time. 1 when even that does not fit.
int largestFittingSize(const QSizeF &bounds, int most, const std::function<QSizeF(int points)> &measure);

// The text with all its digits made the same digit, for each of the ten: in a font whose
// digits differ in width, the widest of these is the widest the text can become.
QStringList digitVariants(const QString &text);

}

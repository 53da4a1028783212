#pragma once

#include <QColor>

// Text colours that stay readable on a background, by the relative luminance and contrast
// ratio of the Web Content Accessibility Guidelines.
namespace ReadableColour {

// The least contrast ratio for normal text.
constexpr double leastContrast = 4.5;

double relativeLuminance(const QColor &colour);
// From 1 (the same luminance) to 21 (black and white).
double contrastRatio(const QColor &one, const QColor &other);
// The wanted colour where it reaches the least contrast on the background, else black or
// white, whichever contrasts more.
QColor on(const QColor &background, const QColor &wanted);

}

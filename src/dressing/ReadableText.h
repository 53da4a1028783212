#pragma once

#include <QColor>

// Text colours that stay readable: a contrast of at least 4.5:1 against their background, the
// least that WCAG asks of body text.
namespace ReadableText {

inline constexpr double leastContrast = 4.5;

// The WCAG contrast ratio of two colours, from 1 (the same) to 21 (black on white).
double contrastRatio(const QColor &first, const QColor &second);

// The wanted colour where it reaches the least contrast on the background, else black or
// white, whichever contrasts more.
QColor on(const QColor &background, const QColor &wanted);

// The colour nearest to dimmed, on the way to full, that reaches the least contrast against
// background; full when nothing before it does.
QColor dimmedButReadable(const QColor &dimmed, const QColor &full, const QColor &background);

}

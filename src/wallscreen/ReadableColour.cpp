#include "wallscreen/ReadableColour.h"

#include <algorithm>
#include <cmath>

namespace ReadableColour {

namespace {

double linear(int channel)
{
    const double value = channel / 255.0;
    return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

}

double relativeLuminance(const QColor &colour)
{
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.red()) + 0.7152 * linear(rgb.green()) + 0.0722 * linear(rgb.blue());
}

double contrastRatio(const QColor &one, const QColor &other)
{
    const double first = relativeLuminance(one);
    const double second = relativeLuminance(other);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

QColor on(const QColor &background, const QColor &wanted)
{
    if (contrastRatio(wanted, background) >= leastContrast)
        return wanted;
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    return contrastRatio(black, background) >= contrastRatio(white, background) ? black : white;
}

}

#include "dressing/ReadableText.h"

#include <algorithm>
#include <cmath>

namespace ReadableText {
namespace {

double channel(float value)
{
    return value <= 0.04045F ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double luminance(const QColor &colour)
{
    const QColor rgb = colour.toRgb();
    return 0.2126 * channel(rgb.redF()) + 0.7152 * channel(rgb.greenF()) + 0.0722 * channel(rgb.blueF());
}

QColor mixed(const QColor &from, const QColor &to, double share)
{
    const auto blend = [share](float a, float b) { return static_cast<float>(a + (b - a) * share); };
    const QColor start = from.toRgb();
    const QColor end = to.toRgb();
    return QColor::fromRgbF(blend(start.redF(), end.redF()), blend(start.greenF(), end.greenF()),
                            blend(start.blueF(), end.blueF()));
}

}

double contrastRatio(const QColor &first, const QColor &second)
{
    const double one = luminance(first);
    const double other = luminance(second);
    return (std::max(one, other) + 0.05) / (std::min(one, other) + 0.05);
}

QColor on(const QColor &background, const QColor &wanted)
{
    if (contrastRatio(wanted, background) >= leastContrast)
        return wanted;
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    return contrastRatio(black, background) >= contrastRatio(white, background) ? black : white;
}

QColor dimmedButReadable(const QColor &dimmed, const QColor &full, const QColor &background)
{
    constexpr int steps = 20;
    for (int step = 0; step < steps; ++step) {
        const QColor candidate = mixed(dimmed, full, double(step) / steps);
        if (contrastRatio(candidate, background) >= leastContrast)
            return candidate;
    }
    return full;
}

}

#include "wallscreen/FitToScreen.h"

#include <algorithm>
#include <cmath>

namespace FitToScreen {

QSizeF timeBounds(const QSizeF &window)
{
    return QSizeF(window.width() * 0.9, window.height() * 0.6);
}

int largestFittingSize(const QSizeF &bounds, int most, const std::function<QSizeF(int points)> &measure)
{
    const auto fits = [&](int points) {
        const QSizeF size = measure(points);
        return size.width() <= bounds.width() && size.height() <= bounds.height();
    };
    constexpr int reference = 100;
    const QSizeF atReference = measure(reference);
    double share = most;
    if (atReference.width() > 0)
        share = std::min(share, bounds.width() / atReference.width() * reference);
    if (atReference.height() > 0)
        share = std::min(share, bounds.height() / atReference.height() * reference);
    int points = std::clamp(static_cast<int>(std::floor(share)), 1, std::max(most, 1));
    while (points > 1 && !fits(points))
        --points;
    while (points < most && fits(points + 1))
        ++points;
    return points;
}

QStringList digitVariants(const QString &text)
{
    QStringList variants;
    // Each digit stays in its own script: an Arabic-Indic nought becomes an Arabic-Indic one.
    for (int digit = 0; digit <= 9; ++digit) {
        QString variant = text;
        for (QChar &c : variant) {
            if (const int value = c.digitValue(); value >= 0)
                c = QChar(static_cast<char16_t>(c.unicode() - value + digit));
        }
        variants << variant;
    }
    return variants;
}

}

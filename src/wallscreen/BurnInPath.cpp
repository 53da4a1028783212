#include "wallscreen/BurnInPath.h"

#include <array>
#include <cmath>

namespace BurnInPath {
namespace {

constexpr double reach = 0.03;

// Along the top row, then down and up the columns from the right to the second, and back
// up the first column to the start: every step goes to a neighbour, including the last.
std::array<QPoint, places> closedPath()
{
    std::array<QPoint, places> path;
    std::size_t step = 0;
    for (int column = 0; column < side; ++column)
        path[step++] = QPoint(column, 0);
    for (int column = side - 1; column >= 1; --column) {
        const bool down = (side - 1 - column) % 2 == 0;
        for (int i = 1; i < side; ++i)
            path[step++] = QPoint(column, down ? i : side - i);
    }
    for (int row = side - 1; row >= 1; --row)
        path[step++] = QPoint(0, row);
    return path;
}

int offsetAlong(int index, int length)
{
    // From -3% at the first place to +3% at the last, never rounded outward.
    const double share = (2.0 * index / (side - 1) - 1.0) * reach;
    return static_cast<int>(std::trunc(share * length));
}

}

QPoint placeAt(qint64 step)
{
    static const std::array<QPoint, places> path = closedPath();
    return path[static_cast<std::size_t>(((step % places) + places) % places)];
}

QPoint offsetAt(qint64 minute, const QSize &screen)
{
    const QPoint place = placeAt(minute);
    return QPoint(offsetAlong(place.x(), screen.width()), offsetAlong(place.y(), screen.height()));
}

}

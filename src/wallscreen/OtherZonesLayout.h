#pragma once

#include <QList>
#include <QRect>
#include <QSize>
#include <QSizeF>
#include <functional>

// Where the other zones go under the time: cells of equal size, in one row when all fit at a
// readable size (a sixth of the time's points), else in two rows; in a column on a portrait
// screen. At most a quarter of the time's size, smaller where the room asks for it. Over the
// cells a gap, twice that between rows, sets them apart from the time's own lines.
struct OtherZonesLayout {
    int points = 0;
    int columns = 0;
    // The gap over the cells, in pixels.
    int gap = 0;
    // The block: the window's width, the gap's and the rows' height.
    QSize size;
    // Each zone's cell in the block, row by row, each row centred.
    QList<QRect> cells;

    // count zones under a time of timePoints, in a window of that size that leaves room
    // pixels of height; cellAt gives the largest zone's size (width, height) at a point size.
    static OtherZonesLayout arrange(const QSize &window, int room, int timePoints, int count,
                                    const std::function<QSizeF(int points)> &cellAt);
};

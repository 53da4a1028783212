#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where the time line and the lines under it go: one block, centred vertically on the
// window (in floating point, rounded), full width, moved by an offset. Without lines
// under it and without an offset the time line is exactly where the plain clock has it.
struct ClockBlock {
    QRect timeLine;
    QRect infoLines;

    static ClockBlock place(const QSize &window, int timeHeight, int infoHeight, const QPoint &offset);
};

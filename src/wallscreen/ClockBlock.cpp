#include "wallscreen/ClockBlock.h"

#include <QtMath>

ClockBlock ClockBlock::place(const QSize &window, int timeHeight, int infoHeight, const QPoint &offset)
{
    const int top = qRound(window.height() / 2.0 - (timeHeight + infoHeight) / 2.0) + offset.y();
    ClockBlock block;
    block.timeLine = QRect(offset.x(), top, window.width(), timeHeight);
    block.infoLines = QRect(offset.x(), top + timeHeight, window.width(), infoHeight);
    return block;
}

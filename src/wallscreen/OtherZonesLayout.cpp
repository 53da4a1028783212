#include "wallscreen/OtherZonesLayout.h"

#include "wallscreen/FitToScreen.h"

#include <QtMath>

namespace {

// Between two cells of a row, half a cell's height; between rows, a quarter.
QSizeF gapsOf(const QSizeF &cell)
{
    return QSizeF(cell.height() / 2, cell.height() / 4);
}

// Above the cells, twice the rows' gap: the zones stand apart from the time's own lines.
double groupGapOf(const QSizeF &cell)
{
    return cell.height() / 2;
}

QSizeF cellsSize(const QSizeF &cell, int columns, int rows)
{
    const QSizeF gaps = gapsOf(cell);
    return QSizeF(columns * cell.width() + (columns - 1) * gaps.width(),
                  rows * cell.height() + (rows - 1) * gaps.height());
}

QSizeF blockSize(const QSizeF &cell, int columns, int rows)
{
    return cellsSize(cell, columns, rows) + QSizeF(0, groupGapOf(cell));
}

}

OtherZonesLayout OtherZonesLayout::arrange(const QSize &window, int room, int timePoints, int count,
                                           const std::function<QSizeF(int points)> &cellAt)
{
    OtherZonesLayout layout;
    if (count <= 0)
        return layout;
    const int readable = qCeil(timePoints / 6.0);
    const int largest = std::max(1, timePoints / 4);
    const QSizeF bounds(window.width() * 0.9, std::max(room, 0));
    QList<int> tried { count, (count + 1) / 2 };
    if (window.height() > window.width() || count == 1)
        tried = { 1 };
    for (int columns : tried) {
        const int rows = (count + columns - 1) / columns;
        layout.columns = columns;
        layout.points = FitToScreen::largestFittingSize(
            bounds, largest, [&](int pointSize) { return blockSize(cellAt(pointSize), columns, rows); });
        if (layout.points >= readable)
            break;
    }
    const QSizeF cell = cellAt(layout.points);
    const QSizeF gaps = gapsOf(cell);
    const int rows = (count + layout.columns - 1) / layout.columns;
    layout.size = QSize(window.width(), qCeil(blockSize(cell, layout.columns, rows).height()));
    layout.gap = qFloor(groupGapOf(cell));
    for (int i = 0; i < count; ++i) {
        const int row = i / layout.columns;
        const int inRow = std::min(layout.columns, count - row * layout.columns);
        const double left = (window.width() - cellsSize(cell, inRow, 1).width()) / 2;
        const QPointF at(left + (i % layout.columns) * (cell.width() + gaps.width()),
                         layout.gap + row * (cell.height() + gaps.height()));
        layout.cells.append(QRectF(at, cell).toAlignedRect());
    }
    return layout;
}

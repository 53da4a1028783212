#include "clock/GlyphLine.h"

#include "clock/GlyphTiles.h"

#include <QPainter>
#include <QRawFont>
#include <QTextLayout>

#include <cmath>

namespace {

bool decorated(const QGlyphRun &run)
{
    return run.underline() || run.strikeOut() || run.overline();
}

// A blank, such as the space before AM, leaves no pixels: it needs no tile, and its tile
// would only paint background over the glyphs beside it.
bool inked(const QGlyphRun &run, qsizetype i)
{
    return !run.rawFont().boundingRect(run.glyphIndexes()[i]).isEmpty();
}

QRectF glyphBox(const QGlyphRun &run, qsizetype i, qreal pixelRatio)
{
    return GlyphTiles::area(run.rawFont(), run.glyphIndexes()[i], pixelRatio).translated(run.positions()[i]);
}

QRectF wholeRunBox(const QGlyphRun &run, qreal pixelRatio)
{
    QRectF box;
    for (qsizetype i = 0; i < run.glyphIndexes().size(); ++i)
        box |= glyphBox(run, i, pixelRatio);
    return decorated(run) ? box | run.boundingRect() : box;
}

QGlyphRun glyphsWithin(const QGlyphRun &run, const QRectF &area, qreal pixelRatio)
{
    const QList<quint32> indexes = run.glyphIndexes();
    const QList<QPointF> positions = run.positions();
    QList<quint32> keptIndexes;
    QList<QPointF> keptPositions;
    for (qsizetype i = 0; i < indexes.size(); ++i) {
        if (glyphBox(run, i, pixelRatio).intersects(area)) {
            keptIndexes.append(indexes[i]);
            keptPositions.append(positions[i]);
        }
    }
    QGlyphRun part = run;
    part.setGlyphIndexes(keptIndexes);
    part.setPositions(keptPositions);
    return part;
}

QRectF runDifference(const QGlyphRun &a, const QGlyphRun &b, qreal pixelRatio)
{
    if (a == b)
        return {};
    const qsizetype count = a.glyphIndexes().size();
    if (count != b.glyphIndexes().size() || a.rawFont() != b.rawFont() || decorated(a) || decorated(b))
        return wholeRunBox(a, pixelRatio) | wholeRunBox(b, pixelRatio);
    QRectF area;
    for (qsizetype i = 0; i < count; ++i) {
        if (a.glyphIndexes()[i] != b.glyphIndexes()[i] || a.positions()[i] != b.positions()[i])
            area |= glyphBox(a, i, pixelRatio) | glyphBox(b, i, pixelRatio);
    }
    return area;
}

// A repaint's area reaches whole device pixels on screen: a glyph that comes within a
// pixel of it may have to be drawn there.
QRectF withinAPixel(const QRectF &area)
{
    return area.adjusted(-1, -1, 1, 1);
}

void placeOnDevicePixels(QGlyphRun &run, qreal pixelRatio)
{
    QList<QPointF> positions = run.positions();
    for (QPointF &position : positions) {
        position = QPointF(std::round(position.x() * pixelRatio) / pixelRatio,
                           std::round(position.y() * pixelRatio) / pixelRatio);
    }
    run.setPositions(positions);
}

bool tilesFit(const QList<QGlyphRun> &runs, qreal pixelRatio)
{
    // At a fractional ratio a logical place is no exact device pixel: a tile would land
    // a rounding away from where the outline is filled.
    if (pixelRatio != std::round(pixelRatio))
        return false;
    QList<QRectF> boxes;
    for (const QGlyphRun &run : runs) {
        if (decorated(run))
            return false;
        for (qsizetype i = 0; i < run.glyphIndexes().size(); ++i) {
            if (inked(run, i))
                boxes.append(glyphBox(run, i, pixelRatio));
        }
    }
    for (qsizetype i = 0; i < boxes.size(); ++i) {
        for (qsizetype j = i + 1; j < boxes.size(); ++j) {
            if (boxes[i].intersects(boxes[j]))
                return false;
        }
    }
    return true;
}

}

void GlyphLine::setText(const QString &text, const QFont &font, qreal pixelRatio)
{
    if (mLaidOut && text == mText && font == mFont && pixelRatio == mPixelRatio)
        return;
    mText = text;
    mFont = font;
    mPixelRatio = pixelRatio;
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    mRuns = layout.glyphRuns();
    for (QGlyphRun &run : mRuns)
        placeOnDevicePixels(run, pixelRatio);
    mTiled = tilesFit(mRuns, pixelRatio);
    mLaidOut = true;
}

void GlyphLine::draw(QPainter &painter, const QPointF &origin, const QRectF &area, GlyphTiles &tiles) const
{
    if (!mTiled) {
        drawOutlines(painter, origin, area);
        return;
    }
    const QRectF reach = withinAPixel(area);
    const auto forEachGlyphInReach = [&](const auto &use) {
        for (const QGlyphRun &run : mRuns) {
            for (qsizetype i = 0; i < run.glyphIndexes().size(); ++i) {
                if (inked(run, i) && glyphBox(run, i, mPixelRatio).intersects(reach))
                    use(run, i, tiles.tile(run.rawFont(), run.glyphIndexes()[i]));
            }
        }
    };
    bool whole = true;
    forEachGlyphInReach([&](const QGlyphRun &, qsizetype, const GlyphTiles::Tile &tile) { whole &= tile.whole; });
    if (!whole) {
        drawOutlines(painter, origin, area);
        return;
    }
    forEachGlyphInReach([&](const QGlyphRun &run, qsizetype i, const GlyphTiles::Tile &tile) {
        painter.drawImage(origin + run.positions()[i] + tile.offset, tile.image);
    });
}

void GlyphLine::drawOutlines(QPainter &painter, const QPointF &origin, const QRectF &area) const
{
    for (const QGlyphRun &run : mRuns) {
        const QGlyphRun part = decorated(run) ? run : glyphsWithin(run, withinAPixel(area), mPixelRatio);
        if (!part.isEmpty())
            painter.drawGlyphRun(origin, part);
    }
}

QRectF GlyphLine::differenceFrom(const GlyphLine &other) const
{
    QRectF area;
    const qsizetype common = std::min(mRuns.size(), other.mRuns.size());
    for (qsizetype i = 0; i < common; ++i)
        area |= runDifference(mRuns[i], other.mRuns[i], mPixelRatio);
    for (qsizetype i = common; i < mRuns.size(); ++i)
        area |= wholeRunBox(mRuns[i], mPixelRatio);
    for (qsizetype i = common; i < other.mRuns.size(); ++i)
        area |= wholeRunBox(other.mRuns[i], mPixelRatio);
    return area;
}

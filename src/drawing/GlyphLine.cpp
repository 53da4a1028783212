#include "drawing/GlyphLine.h"

#include "drawing/GlyphTiles.h"
#include "drawing/TextPieces.h"

#include <QPainter>
#include <QRawFont>

#include <cmath>

namespace {

bool decorated(const QGlyphRun &run)
{
    return run.underline() || run.strikeOut() || run.overline();
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

// A blank, such as the space before AM, gets no area: it needs no tile, and a tile of it
// would only paint background over the glyphs beside it.
QList<QRectF> glyphBoxes(const QRawFont &font, const QList<quint32> &glyphs, const QList<QPointF> &positions,
                         qreal pixelRatio)
{
    QList<QRectF> boxes;
    boxes.reserve(glyphs.size());
    for (qsizetype i = 0; i < glyphs.size(); ++i) {
        const bool blank = font.boundingRect(glyphs[i]).isEmpty();
        boxes.append(blank ? QRectF() : GlyphTiles::area(font, glyphs[i], pixelRatio).translated(positions[i]));
    }
    return boxes;
}

}

void GlyphLine::setText(const QString &text, const QFont &font, qreal pixelRatio, TextPieces &pieces)
{
    if (mLaidOut && text == mText && font == mFont && pixelRatio == mPixelRatio)
        return;
    mText = text;
    mFont = font;
    mPixelRatio = pixelRatio;
    TextPieces::Line line = pieces.layOut(text, font);
    mWidth = line.width;
    mRuns.clear();
    for (QGlyphRun &run : line.runs) {
        placeOnDevicePixels(run, pixelRatio);
        PlacedRun placed { run, run.glyphIndexes(), run.positions(), {} };
        placed.boxes = glyphBoxes(run.rawFont(), placed.indexes, placed.positions, pixelRatio);
        mRuns.append(std::move(placed));
    }
    mTiled = tilesFit();
    mLaidOut = true;
}

bool GlyphLine::tilesFit() const
{
    // At a fractional ratio a logical place is no exact device pixel: a tile would land
    // a rounding away from where the outline is filled.
    if (mPixelRatio != std::round(mPixelRatio))
        return false;
    QList<QRectF> boxes;
    for (const PlacedRun &run : mRuns) {
        if (decorated(run.glyphs))
            return false;
        boxes.append(run.boxes);
    }
    for (qsizetype i = 0; i < boxes.size(); ++i) {
        for (qsizetype j = i + 1; j < boxes.size(); ++j) {
            if (boxes[i].intersects(boxes[j]))
                return false;
        }
    }
    return true;
}

QRectF GlyphLine::wholeRunBox(const PlacedRun &run)
{
    QRectF box;
    for (const QRectF &glyph : run.boxes)
        box |= glyph;
    return decorated(run.glyphs) ? box | run.glyphs.boundingRect() : box;
}

QRectF GlyphLine::runDifference(const PlacedRun &a, const PlacedRun &b)
{
    const qsizetype count = a.boxes.size();
    if (count != b.boxes.size() || a.glyphs.rawFont() != b.glyphs.rawFont() || decorated(a.glyphs)
        || decorated(b.glyphs))
        return a.glyphs == b.glyphs ? QRectF() : wholeRunBox(a) | wholeRunBox(b);
    QRectF area;
    for (qsizetype i = 0; i < count; ++i) {
        if (a.indexes[i] != b.indexes[i] || a.positions[i] != b.positions[i])
            area |= a.boxes[i] | b.boxes[i];
    }
    return area;
}

void GlyphLine::draw(QPainter &painter, const QPointF &origin, const QRectF &area, GlyphTiles &tiles) const
{
    if (!mTiled) {
        drawOutlines(painter, origin, area);
        return;
    }
    bool whole = true;
    for (const PlacedRun &run : mRuns) {
        for (const qsizetype i : glyphsReaching(run, area))
            whole &= tiles.tile(run.glyphs.rawFont(), run.indexes[i]).whole;
    }
    if (!whole) {
        drawOutlines(painter, origin, area);
        return;
    }
    for (const PlacedRun &run : mRuns) {
        for (const qsizetype i : glyphsReaching(run, area)) {
            const GlyphTiles::Tile &tile = tiles.tile(run.glyphs.rawFont(), run.indexes[i]);
            painter.drawImage(origin + run.positions[i] + tile.offset, tile.image);
        }
    }
}

void GlyphLine::drawOutlines(QPainter &painter, const QPointF &origin, const QRectF &area) const
{
    for (const PlacedRun &run : mRuns) {
        if (decorated(run.glyphs)) {
            painter.drawGlyphRun(origin, run.glyphs);
            continue;
        }
        QList<quint32> glyphs;
        QList<QPointF> positions;
        for (const qsizetype i : glyphsReaching(run, area)) {
            glyphs.append(run.indexes[i]);
            positions.append(run.positions[i]);
        }
        if (glyphs.isEmpty())
            continue;
        QGlyphRun part = run.glyphs;
        part.setGlyphIndexes(glyphs);
        part.setPositions(positions);
        painter.drawGlyphRun(origin, part);
    }
}

QList<qsizetype> GlyphLine::glyphsReaching(const PlacedRun &run, const QRectF &area)
{
    const QRectF reach = withinAPixel(area);
    QList<qsizetype> reaching;
    for (qsizetype i = 0; i < run.boxes.size(); ++i) {
        if (run.boxes[i].intersects(reach))
            reaching.append(i);
    }
    return reaching;
}

std::optional<QList<GlyphLine::TileChange>> GlyphLine::tileChangesFrom(const GlyphLine &earlier,
                                                                       GlyphTiles &tiles) const
{
    if (!mTiled || !earlier.mTiled || mRuns.size() != earlier.mRuns.size())
        return std::nullopt;
    QList<TileChange> changes;
    for (qsizetype r = 0; r < mRuns.size(); ++r) {
        const PlacedRun &now = mRuns[r];
        const PlacedRun &before = earlier.mRuns[r];
        if (now.boxes.size() != before.boxes.size() || now.glyphs.rawFont() != before.glyphs.rawFont())
            return std::nullopt;
        for (qsizetype i = 0; i < now.boxes.size(); ++i) {
            if (now.indexes[i] == before.indexes[i] && now.positions[i] == before.positions[i])
                continue;
            TileChange change { before.boxes[i], now.boxes[i], {} };
            if (!change.area.isEmpty()) {
                const GlyphTiles::Tile &tile = tiles.tile(now.glyphs.rawFont(), now.indexes[i]);
                if (!tile.whole)
                    return std::nullopt;
                change.tile = tile.image;
            }
            changes.append(change);
        }
    }
    return changes;
}

QRectF GlyphLine::differenceFrom(const GlyphLine &other) const
{
    QRectF area;
    const qsizetype common = std::min(mRuns.size(), other.mRuns.size());
    for (qsizetype i = 0; i < common; ++i)
        area |= runDifference(mRuns[i], other.mRuns[i]);
    for (qsizetype i = common; i < mRuns.size(); ++i)
        area |= wholeRunBox(mRuns[i]);
    for (qsizetype i = common; i < other.mRuns.size(); ++i)
        area |= wholeRunBox(other.mRuns[i]);
    return area;
}

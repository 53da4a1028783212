#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QList>
#include <QRawFont>
#include <QRectF>

// Rasterised glyphs of one font in one pair of colours: each glyph drawn once, opaque, in
// the fore colour on the back colour, so that drawing it again is a copy of its pixels
// instead of filling a 200-pixel outline. The tiles are forgotten whenever the font, the
// colours or the pixel ratio change.
class GlyphTiles {
public:
    struct Tile {
        QImage image;
        // Where the tile's top left lies from the glyph's origin on the baseline.
        QPointF offset;
        // Whether the tile holds all of the glyph's ink. One that does not cannot stand in
        // for the glyph: its line is drawn from outlines.
        bool whole = true;
    };

    // Keeps the tiles made so far when nothing differs from the last call, else drops them.
    void use(const QFont &font, const QColor &fore, const QColor &back, qreal pixelRatio);

    // The glyph's tile, made on first use.
    const Tile &tile(const QRawFont &font, quint32 glyph);

    // The area a glyph's tile covers from the glyph's origin: its outline's box, a margin
    // for antialiasing, widened to whole device pixels.
    static QRectF area(const QRawFont &font, quint32 glyph, qreal pixelRatio);

private:
    struct Entry {
        QRawFont font;
        quint32 glyph;
        Tile tile;
    };

    QFont mFont;
    QColor mFore;
    QColor mBack;
    qreal mPixelRatio = 0;
    QList<Entry> mEntries;
};

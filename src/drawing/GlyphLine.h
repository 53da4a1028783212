#pragma once

#include <QFont>
#include <QGlyphRun>
#include <QImage>
#include <QList>
#include <QString>

#include <optional>

class GlyphTiles;
class TextPieces;
class QPainter;

// One line of text laid out once, drawn in parts: a repaint of a few changed digits draws
// just the glyphs that reach into it, at the places the whole line gives them. Every glyph
// sits on a whole device pixel, so that a copy of its rasterised tile is the same picture
// as drawing its outline there.
class GlyphLine {
public:
    // Lays the text out again, from the pieces, when it, the font or the pixel ratio differs
    // from the last call.
    void setText(const QString &text, const QFont &font, qreal pixelRatio, TextPieces &pieces);

    // Draws the glyphs that reach into area (line coordinates) with the line's top left at
    // origin, a whole device pixel: copies of their tiles, or their outlines in the
    // painter's pen where tiles would not give the same picture (decorations run under
    // every glyph; tiles that overlap would cover each other).
    void draw(QPainter &painter, const QPointF &origin, const QRectF &area, GlyphTiles &tiles) const;
    // The same from the outlines alone.
    void drawOutlines(QPainter &painter, const QPointF &origin, const QRectF &area) const;

    // The line's advance: how far the next text would start.
    qreal width() const { return mWidth; }

    // Whether draw() copies tiles rather than filling outlines.
    bool drawsFromTiles() const { return mTiled; }

    // The area (line coordinates) that must be repainted to turn this line into the
    // other: every glyph that is not the same glyph at the same place in both. Empty when
    // nothing differs.
    QRectF differenceFrom(const GlyphLine &other) const;

    // One glyph of this line that differs from the earlier line's glyph in its place.
    struct TileChange {
        // The earlier glyph's area (line coordinates): what it left must go.
        QRectF earlier;
        // This glyph's area, which its tile covers exactly; empty for a blank.
        QRectF area;
        QImage tile;
    };
    // The glyphs that turn the earlier line into this one, each with its tile: copying the
    // tiles over the earlier glyphs' areas cleared to the background gives the same pixels
    // as a repaint of the difference. Empty where it would not: the lines differ in their
    // runs or fonts, or a glyph is drawn from its outline.
    std::optional<QList<TileChange>> tileChangesFrom(const GlyphLine &earlier, GlyphTiles &tiles) const;

private:
    struct PlacedRun {
        QGlyphRun glyphs;
        // The run's glyphs and places, taken out once: QGlyphRun hands out copies.
        QList<quint32> indexes;
        QList<QPointF> positions;
        // Each glyph's area on the line; empty for a blank, which leaves no pixels.
        QList<QRectF> boxes;
    };

    bool tilesFit() const;
    static QRectF wholeRunBox(const PlacedRun &run);
    static QRectF runDifference(const PlacedRun &a, const PlacedRun &b);
    // The run's glyphs that reach into a repaint's area (line coordinates).
    static QList<qsizetype> glyphsReaching(const PlacedRun &run, const QRectF &area);

    QString mText;
    QFont mFont;
    qreal mPixelRatio = 1;
    QList<PlacedRun> mRuns;
    qreal mWidth = 0;
    bool mLaidOut = false;
    bool mTiled = false;
};

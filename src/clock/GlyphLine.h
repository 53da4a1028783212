#pragma once

#include <QFont>
#include <QGlyphRun>
#include <QList>
#include <QString>

class QPainter;

// One line of text laid out once, drawn in parts: Qt keeps no cache of glyphs as large as
// the clock's and rebuilds every outline it draws, so a repaint of a few changed digits
// draws just the glyphs that reach into it, at the places the whole line gives them.
class GlyphLine {
public:
    // Lays the text out again when it or the font differs from the last call.
    void setText(const QString &text, const QFont &font);

    // Draws the glyphs that reach into area (line coordinates) with the line's top left at
    // origin; a line with decorations is drawn whole, since they run under every glyph.
    void draw(QPainter &painter, const QPointF &origin, const QRectF &area) const;

    // The area (line coordinates) that must be repainted to turn this line into the
    // other: every glyph that is not the same glyph at the same place in both. Empty when
    // nothing differs.
    QRectF differenceFrom(const GlyphLine &other) const;

private:
    QString mText;
    QFont mFont;
    QList<QGlyphRun> mRuns;
    bool mLaidOut = false;
};

#include "clock/GlyphLine.h"

#include <QPainter>
#include <QRawFont>
#include <QTextLayout>

namespace {

bool decorated(const QGlyphRun &run)
{
    return run.underline() || run.strikeOut() || run.overline();
}

QRectF glyphBox(const QGlyphRun &run, qsizetype i)
{
    // Antialiasing may touch the pixel next to a glyph's outline.
    constexpr qreal bleed = 2;
    return run.rawFont()
        .boundingRect(run.glyphIndexes()[i])
        .translated(run.positions()[i])
        .adjusted(-bleed, -bleed, bleed, bleed);
}

QRectF wholeRunBox(const QGlyphRun &run)
{
    QRectF box;
    for (qsizetype i = 0; i < run.glyphIndexes().size(); ++i)
        box |= glyphBox(run, i);
    return decorated(run) ? box | run.boundingRect() : box;
}

QGlyphRun glyphsWithin(const QGlyphRun &run, const QRectF &area)
{
    const QList<quint32> indexes = run.glyphIndexes();
    const QList<QPointF> positions = run.positions();
    QList<quint32> keptIndexes;
    QList<QPointF> keptPositions;
    for (qsizetype i = 0; i < indexes.size(); ++i) {
        if (glyphBox(run, i).intersects(area)) {
            keptIndexes.append(indexes[i]);
            keptPositions.append(positions[i]);
        }
    }
    QGlyphRun part = run;
    part.setGlyphIndexes(keptIndexes);
    part.setPositions(keptPositions);
    return part;
}

QRectF runDifference(const QGlyphRun &a, const QGlyphRun &b)
{
    const qsizetype count = a.glyphIndexes().size();
    if (count != b.glyphIndexes().size() || a.rawFont() != b.rawFont() || decorated(a) || decorated(b))
        return wholeRunBox(a) | wholeRunBox(b);
    QRectF area;
    for (qsizetype i = 0; i < count; ++i) {
        if (a.glyphIndexes()[i] != b.glyphIndexes()[i] || a.positions()[i] != b.positions()[i])
            area |= glyphBox(a, i) | glyphBox(b, i);
    }
    return area;
}

}

void GlyphLine::setText(const QString &text, const QFont &font)
{
    if (mLaidOut && text == mText && font == mFont)
        return;
    mText = text;
    mFont = font;
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    mRuns = layout.glyphRuns();
    mLaidOut = true;
}

void GlyphLine::draw(QPainter &painter, const QPointF &origin, const QRectF &area) const
{
    for (const QGlyphRun &run : mRuns) {
        const QGlyphRun part = decorated(run) ? run : glyphsWithin(run, area);
        if (!part.isEmpty())
            painter.drawGlyphRun(origin, part);
    }
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

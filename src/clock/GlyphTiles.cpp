#include "clock/GlyphTiles.h"

#include <QGlyphRun>
#include <QPainter>

#include <cmath>

void GlyphTiles::use(const QFont &font, const QColor &fore, const QColor &back, qreal pixelRatio)
{
    if (font == mFont && fore == mFore && back == mBack && pixelRatio == mPixelRatio)
        return;
    mFont = font;
    mFore = fore;
    mBack = back;
    mPixelRatio = pixelRatio;
    mEntries.clear();
}

const GlyphTiles::Tile &GlyphTiles::tile(const QRawFont &font, quint32 glyph)
{
    for (const Entry &entry : std::as_const(mEntries)) {
        if (entry.glyph == glyph && entry.font == font)
            return entry.tile;
    }
    const QRectF box = area(font, glyph, mPixelRatio);
    QImage image((box.size() * mPixelRatio).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(mPixelRatio);
    image.fill(mBack);
    {
        QPainter painter(&image);
        painter.setPen(mFore);
        QGlyphRun run;
        run.setRawFont(font);
        run.setGlyphIndexes({ glyph });
        run.setPositions({ QPointF(0, 0) });
        painter.drawGlyphRun(-box.topLeft(), run);
    }
    mEntries.append({ font, glyph, { image, box.topLeft() } });
    return mEntries.last().tile;
}

QRectF GlyphTiles::area(const QRawFont &font, quint32 glyph, qreal pixelRatio)
{
    // Antialiasing may touch the pixel next to a glyph's outline.
    constexpr qreal bleed = 2;
    const QRectF box = font.boundingRect(glyph).adjusted(-bleed, -bleed, bleed, bleed);
    const auto down = [pixelRatio](qreal value) { return std::floor(value * pixelRatio) / pixelRatio; };
    const auto up = [pixelRatio](qreal value) { return std::ceil(value * pixelRatio) / pixelRatio; };
    return QRectF(QPointF(down(box.left()), down(box.top())), QPointF(up(box.right()), up(box.bottom())));
}

#include "drawing/GlyphTiles.h"

#include <QGlyphRun>
#include <QPainter>

#include <cmath>

namespace {

bool onlyBackgroundAround(const QImage &picture, const QRect &kept, const QColor &back)
{
    const QRgb background = back.rgb();
    for (int y = 0; y < picture.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(picture.constScanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            if (row[x] != background && !kept.contains(x, y))
                return false;
        }
    }
    return true;
}

}

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
    // The glyph is filled with room around its area, then cut to it: cutting never changes a
    // pixel, and the fill gives the same pixels as filling the outline on the strip.
    constexpr qreal room = 1;
    const QRectF box = area(font, glyph, mPixelRatio);
    const QRectF filled = box.adjusted(-room, -room, room, room);
    QImage picture((filled.size() * mPixelRatio).toSize(), QImage::Format_RGB32);
    picture.setDevicePixelRatio(mPixelRatio);
    picture.fill(mBack);
    {
        QPainter painter(&picture);
        painter.setPen(mFore);
        QGlyphRun run;
        run.setRawFont(font);
        run.setGlyphIndexes({ glyph });
        run.setPositions({ QPointF(0, 0) });
        painter.drawGlyphRun(-filled.topLeft(), run);
    }
    const QRect kept = QRectF((box.topLeft() - filled.topLeft()) * mPixelRatio, box.size() * mPixelRatio).toRect();
    QImage image = picture.copy(kept);
    image.setDevicePixelRatio(mPixelRatio);
    mEntries.append({ font, glyph, { image, box.topLeft(), onlyBackgroundAround(picture, kept, mBack) } });
    return mEntries.last().tile;
}

QRectF GlyphTiles::area(const QRawFont &font, quint32 glyph, qreal pixelRatio)
{
    // Antialiasing may touch the pixel next to a glyph's outline. One pixel, not more:
    // the tiles of wide digits side by side ("44") must not overlap.
    constexpr qreal bleed = 1;
    const QRectF box = font.boundingRect(glyph).adjusted(-bleed, -bleed, bleed, bleed);
    const auto down = [pixelRatio](qreal value) { return std::floor(value * pixelRatio) / pixelRatio; };
    const auto up = [pixelRatio](qreal value) { return std::ceil(value * pixelRatio) / pixelRatio; };
    return QRectF(QPointF(down(box.left()), down(box.top())), QPointF(up(box.right()), up(box.bottom())));
}

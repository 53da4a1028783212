#include "program/AppIconEngine.h"

#include "base/ProductInfo.h"

#include <QImageReader>
#include <QPainter>
#include <algorithm>
#include <array>

namespace {

// The sizes data/CMakeLists.txt renders.
constexpr std::array renderedSizes { LUMETRA_WINDOW_ICON_SIZES };

}

bool AppIconEngine::isRendered(const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    return mode == QIcon::Normal && state == QIcon::Off && size.width() == size.height()
        && std::find(renderedSizes.cbegin(), renderedSizes.cend(), size.width()) != renderedSizes.cend();
}

const QIcon &AppIconEngine::drawing()
{
    if (mDrawing.isNull())
        mDrawing = QIcon(ProductInfo::iconResource);
    return mDrawing;
}

void AppIconEngine::paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state)
{
    if (isRendered(rect.size(), mode, state))
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    else
        drawing().paint(painter, rect, Qt::AlignCenter, mode, state);
}

QSize AppIconEngine::actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    return isRendered(size, mode, state) ? size : drawing().actualSize(size, mode, state);
}

QPixmap AppIconEngine::pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    if (!isRendered(size, mode, state))
        return drawing().pixmap(size, 1.0, mode, state);
    auto found = mRendered.constFind(size.width());
    if (found == mRendered.cend()) {
        // Read as PNG at once: a reader left to find out the format asks every image plugin
        // first, which loads them all, the SVG one with the SVG renderer among them.
        QImageReader reader(QStringLiteral(":/icons/lumetra-%1.png").arg(size.width()), "png");
        reader.setAutoDetectImageFormat(false);
        found = mRendered.insert(size.width(), QPixmap::fromImage(reader.read()));
    }
    return found.value();
}

QList<QSize> AppIconEngine::availableSizes(QIcon::Mode mode, QIcon::State state)
{
    QList<QSize> sizes;
    if (mode == QIcon::Normal && state == QIcon::Off) {
        for (int size : renderedSizes)
            sizes.append(QSize(size, size));
    }
    return sizes;
}

QString AppIconEngine::key() const
{
    return QStringLiteral("lumetra");
}

QIconEngine *AppIconEngine::clone() const
{
    return new AppIconEngine;
}

bool AppIconEngine::isNull()
{
    return false;
}

#include "program/AppIconEngine.h"

#include "base/ProductInfo.h"

#include <QImage>
#include <QPainter>
#include <QResource>
#include <algorithm>
#include <array>
#include <cstring>

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
        // The pixels as the image keeps them (see data/render_icon.cpp): nothing to decode.
        const QByteArray pixels
            = QResource(QStringLiteral(":/icons/lumetra-%1.argb32").arg(size.width())).uncompressedData();
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        if (pixels.size() != image.sizeInBytes())
            return drawing().pixmap(size, 1.0, mode, state);
        std::memcpy(image.bits(), pixels.constData(), static_cast<size_t>(pixels.size()));
        found = mRendered.insert(size.width(), QPixmap::fromImage(std::move(image)));
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

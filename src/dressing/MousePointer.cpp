#include "dressing/MousePointer.h"

#include "base/FileHelpers.h"
#include "base/RuntimeError.h"
#include "platform/CursorFile.h"
#include "platform/PictureChunks.h"

#include <QFile>
#include <QImage>
#include <QPixmap>
#include <QWidget>

MousePointer::MousePointer(QWidget &window)
    : mWindow(window)
{
}

void MousePointer::set(int code)
{
    mCode = code;
    if (code == Hourglass)
        mWindow.setCursor(Qt::WaitCursor);
    else if (code == Custom && mCustomPicture)
        mWindow.setCursor(*mCustomPicture);
    else
        mWindow.unsetCursor();
}

void MousePointer::setUnlessBusy(int code)
{
    if (mCode != Hourglass)
        set(code);
}

void MousePointer::hideUnlessBusy()
{
    if (mCode != Hourglass)
        mWindow.setCursor(Qt::BlankCursor);
}

void MousePointer::setCustomPicture(const QCursor &picture)
{
    mCustomPicture = picture;
    if (mCode == Custom)
        set(Custom);
}

QCursor MousePointer::loadPicture(const QString &path)
{
    QFile file(path);
    if (!openRegularFile(file))
        throw RuntimeError(RuntimeErrors::fileNotFound);
    const QByteArray data = file.readAll();
    if (!pngChunksFit(data))
        throw RuntimeError(RuntimeErrors::invalidPicture);
    const std::optional<QPoint> hotSpot = cursorHotSpot(data);
    QImage image = QImage::fromData(data, hotSpot ? "CUR" : nullptr);
    if (image.isNull())
        throw RuntimeError(RuntimeErrors::invalidPicture);
    // A hot spot outside the picture means the picture's centre, as no hot spot does.
    const QPoint spot = hotSpot && image.rect().contains(*hotSpot) ? *hotSpot : QPoint(-1, -1);
    return QCursor(QPixmap::fromImage(image), spot.x(), spot.y());
}

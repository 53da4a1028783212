#include "clock/TimeStrip.h"

#include <QEvent>
#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QWindow>

#include <cmath>

TimeStrip::TimeStrip(QWidget *parent)
    : QWidget(parent)
{
    // Every pixel is painted here: Qt need not clear or compose underneath.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TimeStrip::setForeColor(const QColor &colour)
{
    if (colour == mForeColor)
        return;
    mForeColor = colour;
    update();
}

void TimeStrip::setBackColor(const QColor &colour)
{
    if (colour == mBackColor)
        return;
    mBackColor = colour;
    update();
}

void TimeStrip::Cls()
{
    mText.clear();
    mX = 0;
}

void TimeStrip::Print(int x, const QString &text)
{
    mText = text;
    mX = x;
}

void TimeStrip::Refresh()
{
    if (mText == mShownText && (mX == mShownX || mText.isEmpty()))
        return;
    mNextGlyphs.setText(mText, font(), devicePixelRatioF(), mPieces);
    const bool moved = mX != mShownX;
    const QRectF changed = mNextGlyphs.differenceFrom(mShownGlyphs);
    mShownGlyphs = mNextGlyphs;
    mShownText = mText;
    mShownX = mX;
    const QRect area = moved ? rect() : changed.translated(mX, 0).toAlignedRect();
    // Painted and sent at once, within the tick: a posted repaint would wake the event
    // loop a second time.
    if (!sendPastBackingStore(area))
        repaint(area);
}

bool TimeStrip::sendPastBackingStore(const QRect &area)
{
    QWindow *native = window()->windowHandle();
    const qreal pixelRatio = devicePixelRatioF();
    if (area.isEmpty() || !isVisible() || !native || !native->isExposed() || pixelRatio != std::floor(pixelRatio)
        || !nothingCovers(area))
        return false;
    const int scale = static_cast<int>(pixelRatio);
    QImage pixels(area.size() * scale, QImage::Format_RGB32);
    pixels.setDevicePixelRatio(pixelRatio);
    {
        QPainter painter(&pixels);
        painter.translate(-area.topLeft());
        paintArea(painter, area);
    }
    if (!mWindowPixels.put(native, pixels, mapTo(window(), area.topLeft()) * scale))
        return false;
    if (mWatchedWindow != native) {
        native->installEventFilter(this);
        mWatchedWindow = native;
    }
    mAheadOfBackingStore += area;
    return true;
}

// Qt paints the strip's later siblings over it; sent pixels would cover theirs.
bool TimeStrip::nothingCovers(const QRect &area) const
{
    QWidget *parent = parentWidget();
    const QRect onParent = area.translated(pos());
    if (parent != window() || !parent->rect().contains(onParent))
        return false;
    const QObjectList &siblings = parent->children();
    for (qsizetype i = siblings.indexOf(this) + 1; i < siblings.size(); ++i) {
        const auto *sibling = qobject_cast<const QWidget *>(siblings[i]);
        if (sibling && !sibling->isWindow() && sibling->isVisible() && sibling->geometry().intersects(onParent))
            return false;
    }
    return true;
}

void TimeStrip::catchUpBackingStore()
{
    if (mAheadOfBackingStore.isEmpty())
        return;
    update(mAheadOfBackingStore);
    mAheadOfBackingStore = QRegion();
}

double TimeStrip::TextWidth(const QString &text)
{
    mNextGlyphs.setText(text, font(), devicePixelRatioF(), mPieces);
    return mNextGlyphs.width();
}

void TimeStrip::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    paintArea(painter, event->rect());
}

void TimeStrip::paintArea(QPainter &painter, const QRect &area)
{
    painter.fillRect(area, mBackColor);
    if (mShownText.isEmpty())
        return;
    const qreal pixelRatio = devicePixelRatioF();
    painter.setPen(mForeColor);
    mTiles.use(font(), mForeColor, mBackColor, pixelRatio);
    const QPointF origin(mShownX, 0);
    mShownGlyphs.setText(mShownText, font(), pixelRatio, mPieces);
    mShownGlyphs.draw(painter, origin, QRectF(area).translated(-origin), mTiles);
}

void TimeStrip::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange)
        update();
    QWidget::changeEvent(event);
}

// Qt moves a widget by copying its pixels within the backing store: they must be current.
void TimeStrip::moveEvent(QMoveEvent *event)
{
    catchUpBackingStore();
    QWidget::moveEvent(event);
}

// An expose shows the backing store again: what was sent past it is repainted into it
// first, within the same pass, so the screen never goes back to an older second.
bool TimeStrip::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == mWatchedWindow && event->type() == QEvent::Expose)
        catchUpBackingStore();
    return QWidget::eventFilter(watched, event);
}

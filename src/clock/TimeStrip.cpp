#include "clock/TimeStrip.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>

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
    // Painted and sent at once, within the tick: a posted repaint would wake the event
    // loop a second time.
    if (moved)
        repaint();
    else
        repaint(changed.translated(mX, 0).toAlignedRect());
}

double TimeStrip::TextWidth(const QString &text)
{
    mNextGlyphs.setText(text, font(), devicePixelRatioF(), mPieces);
    return mNextGlyphs.width();
}

void TimeStrip::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), mBackColor);
    if (mShownText.isEmpty())
        return;
    const qreal pixelRatio = devicePixelRatioF();
    painter.setPen(mForeColor);
    mTiles.use(font(), mForeColor, mBackColor, pixelRatio);
    const QPointF origin(mShownX, 0);
    mShownGlyphs.setText(mShownText, font(), pixelRatio, mPieces);
    mShownGlyphs.draw(painter, origin, QRectF(event->rect()).translated(-origin), mTiles);
}

void TimeStrip::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange)
        update();
    QWidget::changeEvent(event);
}

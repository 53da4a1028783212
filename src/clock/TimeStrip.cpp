#include "clock/TimeStrip.h"

#include "clock/TextChange.h"

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
    showText(0, QString());
}

void TimeStrip::Print(int x, const QString &text)
{
    showText(x, text);
}

void TimeStrip::showText(int x, const QString &text)
{
    mText = text;
    mX = x;
    // A clear and a draw in the same tick make one repaint, of what really changed.
    if (mRefreshPending)
        return;
    mRefreshPending = true;
    QMetaObject::invokeMethod(this, &TimeStrip::refresh, Qt::QueuedConnection);
}

void TimeStrip::refresh()
{
    mRefreshPending = false;
    const QString before = mShownText;
    const int beforeX = mShownX;
    mShownText = mText;
    mShownX = mX;
    if (before == mText && (beforeX == mX || mText.isEmpty()))
        return;
    const std::optional<TextChange> change = beforeX == mX ? TextChange::between(before, mText) : std::nullopt;
    if (!change) {
        update();
        return;
    }
    // Only the changed characters, with room for glyphs that reach past their advance.
    const QFontMetricsF metrics(font());
    const qreal margin = metrics.height() / 3;
    const qreal left = mX + metrics.horizontalAdvance(mText.left(change->first)) - margin;
    const qreal right = mX + metrics.horizontalAdvance(mText.left(change->last + 1)) + margin;
    update(QRectF(left, 0, right - left, height()).toAlignedRect());
}

double TimeStrip::TextWidth(const QString &text)
{
    if (mMeasuredText != text) {
        mMeasuredText = text;
        mMeasuredWidth = QFontMetricsF(font()).horizontalAdvance(text);
    }
    return mMeasuredWidth;
}

void TimeStrip::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), mBackColor);
    if (mText.isEmpty())
        return;
    painter.setClipRect(event->rect());
    painter.setFont(font());
    painter.setPen(mForeColor);
    painter.drawText(QPointF(mX, QFontMetricsF(font()).ascent()), mText);
}

void TimeStrip::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange) {
        mMeasuredText.reset();
        update();
    }
    QWidget::changeEvent(event);
}

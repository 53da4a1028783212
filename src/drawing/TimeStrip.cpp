#include "drawing/TimeStrip.h"

#include "dressing/AccessibleRole.h"

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
    // Read out as a text: the clock names it after what the window shows.
    setAccessibleRole(*this, QAccessible::StaticText);
    mOwnSurface.onExposed = [this] { sendToOwnSurface(QRegion()); };
    // The window's paint of the strip is the commit that brings a new surface on screen,
    // and from then on the window's paints may have to take the strip back.
    mOwnSurface.onPlaced = [this] {
        window()->installEventFilter(this);
        update();
    };
}

void TimeStrip::setForeColor(const QColor &colour)
{
    if (colour == mForeColor)
        return;
    mForeColor = colour;
    repaintEverywhere();
}

void TimeStrip::setBackColor(const QColor &colour)
{
    if (colour == mBackColor)
        return;
    mBackColor = colour;
    repaintEverywhere();
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
    const bool ownSurface = WaylandStripSurface::wanted();
    if (mText == mShownText && (mX == mShownX || mText.isEmpty())) {
        // A change that waited for a free buffer, or a surface to show again.
        if (ownSurface)
            sendToOwnSurface(QRegion());
        return;
    }
    mNextGlyphs.setText(mText, font(), devicePixelRatioF(), mPieces);
    const bool moved = mX != mShownX;
    const QRectF changed = mNextGlyphs.differenceFrom(mShownGlyphs);
    const GlyphLine before = std::exchange(mShownGlyphs, mNextGlyphs);
    mShownText = mText;
    mShownX = mX;
    const QRect changedArea = moved ? rect() : changed.translated(mX, 0).toAlignedRect();
    // Nothing shows past the strip's edges: a glyph reaching past them is cut there.
    const QRect area = changedArea & rect();
    if (ownSurface && sendToOwnSurface(area))
        return;
    // Painted and sent at once, within the tick: a posted repaint would wake the event
    // loop a second time.
    const bool sent = canSendPastBackingStore(area)
        && ((!moved && area == changedArea && sendChangedTiles(before)) || sendPainted(area));
    if (!sent) {
        repaint(area);
        return;
    }
    mAheadOfBackingStore += area;
    QWindow *native = window()->windowHandle();
    if (mWatchedWindow != native) {
        native->installEventFilter(this);
        mWatchedWindow = native;
    }
}

bool TimeStrip::sendToOwnSurface(const QRegion &changed)
{
    QWindow *native = window()->windowHandle();
    // The surface would hide what is drawn over the strip.
    if (!isVisible() || !native || !native->isExposed() || !nothingCovers(rect())) {
        showThroughWindow();
        return false;
    }
    return mOwnSurface.show(native, QRect(mapTo(window(), QPoint()), size()), devicePixelRatioF())
        && mOwnSurface.send(changed, [this](QPainter &painter, const QRect &area) { paintArea(painter, area); });
}

void TimeStrip::showThroughWindow()
{
    if (!mOwnSurface.isShown())
        return;
    // The window shows the current second before the surface goes.
    repaint(rect());
    mOwnSurface.hide();
}

void TimeStrip::repaintEverywhere()
{
    update();
    if (mOwnSurface.isShown())
        sendToOwnSurface(rect());
}

bool TimeStrip::canSendPastBackingStore(const QRect &area) const
{
    QWindow *native = window()->windowHandle();
    const qreal pixelRatio = devicePixelRatioF();
    return !area.isEmpty() && isVisible() && native && native->isExposed() && pixelRatio == std::floor(pixelRatio)
        && nothingCovers(area);
}

QPoint TimeStrip::onWindow(const QPointF &point) const
{
    return ((point + mapTo(window(), QPoint())) * devicePixelRatioF()).toPoint();
}

QRect TimeStrip::onWindow(const QRectF &area) const
{
    const QPoint topLeft = onWindow(area.topLeft());
    const QPoint bottomRight = onWindow(area.bottomRight());
    return { topLeft, QSize(bottomRight.x() - topLeft.x(), bottomRight.y() - topLeft.y()) };
}

// The usual tick: the changed glyphs' tiles are sent as they are, with no painting at all.
bool TimeStrip::sendChangedTiles(const GlyphLine &before)
{
    mTiles.use(font(), mForeColor, mBackColor, devicePixelRatioF());
    const std::optional<QList<GlyphLine::TileChange>> changes = mShownGlyphs.tileChangesFrom(before, mTiles);
    if (!changes)
        return false;
    const QPointF origin(mShownX, 0);
    QList<QRect> cleared;
    for (const GlyphLine::TileChange &change : *changes) {
        const QRect earlier = onWindow(change.earlier.translated(origin));
        const QRect tile = onWindow(change.area.translated(origin));
        if (tile.contains(earlier))
            continue;
        const QRegion uncovered = QRegion(earlier) - QRegion(tile);
        cleared.append(QList<QRect>(uncovered.begin(), uncovered.end()));
    }
    QWindow *native = window()->windowHandle();
    if (!mWindowPixels.fill(native, cleared, mBackColor.rgb()))
        return false;
    for (const GlyphLine::TileChange &change : *changes) {
        if (!change.tile.isNull() && !mWindowPixels.put(native, change.tile, onWindow(change.area.topLeft() + origin)))
            return false;
    }
    return true;
}

// Any other change: the area is painted as a repaint would paint it, then sent.
bool TimeStrip::sendPainted(const QRect &area)
{
    const int scale = static_cast<int>(devicePixelRatioF());
    // Kept from tick to tick, with its paint engine: a changed area is mostly the same size.
    if (mSendBuffer.size() != area.size() * scale)
        mSendBuffer = QImage(area.size() * scale, QImage::Format_RGB32);
    mSendBuffer.setDevicePixelRatio(scale);
    {
        QPainter painter(&mSendBuffer);
        painter.translate(-area.topLeft());
        paintArea(painter, area);
    }
    return mWindowPixels.put(window()->windowHandle(), mSendBuffer, onWindow(area.topLeft()));
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
        repaintEverywhere();
    QWidget::changeEvent(event);
}

// Qt moves a widget by copying its pixels within the backing store: they must be current.
// The strip's surface comes back at the new place with the next refresh.
void TimeStrip::moveEvent(QMoveEvent *event)
{
    catchUpBackingStore();
    showThroughWindow();
    QWidget::moveEvent(event);
}

void TimeStrip::resizeEvent(QResizeEvent *event)
{
    showThroughWindow();
    QWidget::resizeEvent(event);
}

void TimeStrip::hideEvent(QHideEvent *event)
{
    mOwnSurface.hide();
    QWidget::hideEvent(event);
}

// An expose shows the backing store again: what was sent past it is repainted into it
// first, within the same pass, so the screen never goes back to an older second.
bool TimeStrip::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == mWatchedWindow && event->type() == QEvent::Expose)
        catchUpBackingStore();
    // The window is about to paint, maybe a widget that now stands over the strip: the strip
    // goes back into the window's painting at once, or its surface would hide that widget.
    if (watched == window() && event->type() == QEvent::UpdateRequest && mOwnSurface.isShown()
        && !nothingCovers(rect())) {
        update();
        mOwnSurface.hide();
    }
    return QWidget::eventFilter(watched, event);
}

#pragma once

#include "drawing/GlyphLine.h"
#include "drawing/GlyphTiles.h"
#include "drawing/TextPieces.h"
#include "platform/WaylandStripSurface.h"
#include "platform/X11WindowPixels.h"

#include <QImage>
#include <QPointer>
#include <QRegion>
#include <QWidget>
#include <QWindow>

// The clock's drawing strip: a band of its back colour with one line of text drawn
// from its top at a horizontal position. Clearing and drawing only change what it is
// to show; Refresh then repaints just the pixels that differ from what is on screen, so
// a tick that changes one digit costs one digit's repaint and an unchanged tick none.
// A repaint copies rasterised glyphs instead of filling their outlines again. On an X
// display a refresh sends those pixels straight to the window; the window's own copy of
// them is brought up to date before the window shows it again. On a Wayland compositor the
// strip is shown on a surface of its own over the window while nothing covers it.
class TimeStrip : public QWidget {
    Q_OBJECT

public:
    explicit TimeStrip(QWidget *parent);

    void setForeColor(const QColor &colour);
    void setBackColor(const QColor &colour);
    QColor foreColor() const { return mForeColor; }
    QColor backColor() const { return mBackColor; }

    // Clears the strip to its back colour.
    void Cls();
    // Draws the text from the strip's top, starting at x.
    void Print(int x, const QString &text);
    // Brings the screen up to what was cleared and drawn since the last refresh.
    void Refresh();

    // The text's width in the strip's font. The text is laid out once: a refresh that
    // shows the same text draws that layout.
    double TextWidth(const QString &text);

    QString text() const { return mText; }
    int textX() const { return mX; }

    // Shows the strip through the window's own painting until the next refresh; the window
    // calls it before it hides, as its surface goes with it.
    void showThroughWindow();

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void paintArea(QPainter &painter, const QRect &area);
    // Whether the area's new pixels can go to the screen without a paint pass.
    bool canSendPastBackingStore(const QRect &area) const;
    bool sendChangedTiles(const GlyphLine &before);
    bool sendPainted(const QRect &area);
    // A point or an area of the strip in the window's device pixels.
    QPoint onWindow(const QPointF &point) const;
    QRect onWindow(const QRectF &area) const;
    bool nothingCovers(const QRect &area) const;
    // Repaints the window's copy of what was sent past it.
    void catchUpBackingStore();
    // Shows the changed area on the strip's own surface where it can be; false where the
    // window is to paint it.
    bool sendToOwnSurface(const QRegion &changed);
    // The whole strip changed: colours or font.
    void repaintEverywhere();

    QColor mForeColor = Qt::white;
    QColor mBackColor = Qt::black;
    QString mText;
    int mX = 0;
    // What is on screen; painting draws this, and a refresh turns it into the text to show.
    QString mShownText;
    int mShownX = 0;
    GlyphLine mShownGlyphs;
    // The last text measured or shown next.
    GlyphLine mNextGlyphs;
    // The strip's characters laid out once each.
    TextPieces mPieces;
    // The glyphs of the strip's font in its colours, rasterised once.
    GlyphTiles mTiles;
    X11WindowPixels mWindowPixels;
    // The pixels of the last area sent.
    QImage mSendBuffer;
    // Where the screen shows newer pixels than the window's backing store holds.
    QRegion mAheadOfBackingStore;
    QPointer<QWindow> mWatchedWindow;
    WaylandStripSurface mOwnSurface;
};

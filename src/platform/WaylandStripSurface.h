#pragma once

#include "platform/SurfaceBufferPair.h"

#include <QImage>
#include <QPointer>
#include <QRect>
#include <QRegion>

#include <array>
#include <functional>

class QPainter;
class QWindow;
struct wl_buffer;
struct wl_display;
struct wl_event_queue;
struct wl_shm;
struct wl_surface;

// Shows a strip of a window on a Wayland compositor through a surface of its own, past Qt's
// backing store: a child window that Qt makes a subsurface, and two shared-memory buffers
// used in turn. A changed digit then costs one buffer hand-over: no repaint of the window,
// no frame callback. Pointer input goes through the strip to the window underneath. Where
// the compositor or the platform lacks something this needs, it says so once on the
// standard error and the owner paints through Qt.
class WaylandStripSurface {
public:
    // Paints an area of the strip (its own logical pixels) with the painter.
    using Painter = std::function<void(QPainter &, const QRect &)>;

    WaylandStripSurface();
    ~WaylandStripSurface();
    WaylandStripSurface(const WaylandStripSurface &) = delete;
    WaylandStripSurface &operator=(const WaylandStripSurface &) = delete;

    // Whether strips are shown this way here: on Qt's Wayland platform, unless
    // LUMETRA_WAYLAND_STRIP=0 turns it off.
    static bool wanted();

    // How a strip is shown at the platform's ratio, the window's (Qt's scaling on top of the
    // platform's) and the widget's: through the own surface where all three are the same
    // whole number; through Qt, said once, where the platform's is not whole or Qt scales on
    // top; through Qt for now, without a word, while the widget lags behind a scale change.
    enum class RatioFit { OwnSurface, QtForNow, QtOnly };
    static RatioFit ratioFit(qreal platformRatio, qreal windowRatio, qreal widgetRatio);

    // Puts the strip over area (the window's logical pixels) of the shown window, whose
    // content is painted at pixelRatio. A surface already there stays; one elsewhere is
    // replaced. False where the strip cannot be shown this way.
    bool show(QWindow *window, const QRect &area, qreal pixelRatio);
    // Takes the strip off the screen; the window underneath shows again.
    void hide();
    // Also false once Qt has destroyed the window with its parent.
    bool isShown() const { return mSurface && mWindow; }

    // Shows the changed area (strip's logical pixels) in the next free buffer, painting
    // what that buffer lacks; while the compositor holds both, the change waits for the
    // next call. False until the surface is first exposed, or where it failed: the caller
    // then paints through Qt.
    bool send(const QRegion &changed, const Painter &paint);

    // Called on the surface's first expose, when the whole strip can be sent.
    std::function<void()> onExposed;
    // Called when a new surface was put over the window: the compositor shows it from the
    // window's next commit on, so the window is to repaint.
    std::function<void()> onPlaced;

private:
    bool connect();
    bool makeBuffers(QSize size);
    void dropBuffers();
    void exposed();
    // Gives up on this way for good.
    void fail(const QString &reason);

    wl_display *mDisplay = nullptr;
    wl_event_queue *mQueue = nullptr;
    wl_shm *mShm = nullptr;
    bool mHasSubcompositor = false;
    bool mFailed = false;

    QPointer<QWindow> mWindow;
    wl_surface *mSurface = nullptr;
    QRect mArea;
    int mScale = 1;
    bool mExposed = false;

    std::array<wl_buffer *, 2> mBuffers {};
    std::array<QImage, 2> mImages;
    void *mMapping = nullptr;
    std::size_t mMappingSize = 0;
    SurfaceBufferPair mTurns;
};

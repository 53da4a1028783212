#include "platform/WaylandStripSurface.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QWindow>
#include <qpa/qplatformnativeinterface.h>
#include <qpa/qplatformwindow.h>

#include <sys/mman.h>
#include <unistd.h>
#include <wayland-client.h>

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace {

// A plain child window: Qt gives it a subsurface and no buffers of its own. Its expose
// says the surface may now be shown.
class StripWindow : public QWindow {
public:
    StripWindow(QWindow *parent, std::function<void()> exposed)
        : QWindow(parent)
        , mExposed(std::move(exposed))
    {
    }

protected:
    bool event(QEvent *event) override
    {
        if (event->type() == QEvent::Expose) {
            if (isExposed())
                mExposed();
            return true;
        }
        if (event->type() == QEvent::UpdateRequest)
            return true;
        return QWindow::event(event);
    }

private:
    std::function<void()> mExposed;
};

// Said once for the whole run, whichever strip gives up first; the reason names what was
// missing or failed as Wayland and the system call it.
void reportOnce(const QString &reason)
{
    static bool reported = false;
    if (std::exchange(reported, true))
        return;
    std::fprintf(stderr, "%s\n",
                 qPrintable(QCoreApplication::translate("WaylandStripSurface",
                                                        "Wayland: the time is drawn through Qt's window painting: %1")
                                .arg(reason)));
}

void announceGlobal(void *data, wl_registry *registry, std::uint32_t name, const char *interface, std::uint32_t)
{
    auto *found = static_cast<std::pair<wl_shm **, bool *> *>(data);
    if (std::strcmp(interface, wl_shm_interface.name) == 0 && !*found->first)
        *found->first = static_cast<wl_shm *>(wl_registry_bind(registry, name, &wl_shm_interface, 1));
    else if (std::strcmp(interface, wl_subcompositor_interface.name) == 0)
        *found->second = true;
}

void removeGlobal(void *, wl_registry *, std::uint32_t)
{
}

const wl_registry_listener globalsListener { announceGlobal, removeGlobal };

}

WaylandStripSurface::WaylandStripSurface() = default;

WaylandStripSurface::~WaylandStripSurface()
{
    hide();
    delete mWindow.data();
    if (mShm)
        wl_shm_destroy(mShm);
    if (mQueue)
        wl_event_queue_destroy(mQueue);
}

bool WaylandStripSurface::wanted()
{
    static const bool onWayland = QGuiApplication::platformName().startsWith(QLatin1String("wayland"))
        && qEnvironmentVariable("LUMETRA_WAYLAND_STRIP") != QLatin1String("0");
    return onWayland;
}

// The compositor's globals, read once on a queue of this object's own, so that Qt's
// events are not dispatched here nor these in Qt's dispatch.
bool WaylandStripSurface::connect()
{
    if (mQueue)
        return true;
    QPlatformNativeInterface *native = QGuiApplication::platformNativeInterface();
    mDisplay = native ? static_cast<wl_display *>(native->nativeResourceForIntegration("wl_display")) : nullptr;
    if (!mDisplay) {
        fail(QStringLiteral("no wl_display"));
        return false;
    }
    mQueue = wl_display_create_queue(mDisplay);
    auto *display = static_cast<wl_display *>(wl_proxy_create_wrapper(mDisplay));
    wl_proxy_set_queue(reinterpret_cast<wl_proxy *>(display), mQueue);
    wl_registry *registry = wl_display_get_registry(display);
    wl_proxy_wrapper_destroy(display);
    std::pair<wl_shm **, bool *> found { &mShm, &mHasSubcompositor };
    wl_registry_add_listener(registry, &globalsListener, &found);
    const bool answered = wl_display_roundtrip_queue(mDisplay, mQueue) >= 0;
    wl_registry_destroy(registry);
    if (!answered)
        fail(QStringLiteral("wl_display_roundtrip_queue failed"));
    else if (!mHasSubcompositor)
        fail(QStringLiteral("no wl_subcompositor"));
    else if (!mShm)
        fail(QStringLiteral("no wl_shm"));
    return !mFailed;
}

WaylandStripSurface::RatioFit WaylandStripSurface::ratioFit(qreal platformRatio, qreal windowRatio, qreal widgetRatio)
{
    // The compositor scales buffers by whole numbers only, and Qt's own scaling on top would
    // put the content's pixels off the screen's.
    const qreal scale = std::round(platformRatio);
    if (platformRatio != scale || windowRatio != scale)
        return RatioFit::QtOnly;
    // The widget learns of a new scale after its window; its next layout meets it again.
    return widgetRatio == scale ? RatioFit::OwnSurface : RatioFit::QtForNow;
}

bool WaylandStripSurface::show(QWindow *window, const QRect &area, qreal pixelRatio)
{
    if (mFailed || !window || !window->handle() || area.isEmpty())
        return false;
    const qreal platformRatio = window->handle()->devicePixelRatio();
    const int scale = static_cast<int>(std::lround(platformRatio));
    const RatioFit fit = ratioFit(platformRatio, window->devicePixelRatio(), pixelRatio);
    if (isShown() && mWindow->parent() == window && mArea == area && mScale == scale && fit == RatioFit::OwnSurface)
        return true;
    hide();
    if (fit == RatioFit::QtOnly)
        reportOnce(QStringLiteral("device pixel ratio %1").arg(window->devicePixelRatio()));
    if (fit != RatioFit::OwnSurface)
        return false;
    if (!connect())
        return false;
    if (!mWindow)
        mWindow = new StripWindow(window, [this] { exposed(); });
    mWindow->setParent(window);
    mWindow->setGeometry(area);
    mWindow->show();
    mSurface = static_cast<wl_surface *>(
        QGuiApplication::platformNativeInterface()->nativeResourceForWindow("surface", mWindow));
    auto *compositor = static_cast<wl_compositor *>(
        QGuiApplication::platformNativeInterface()->nativeResourceForIntegration("compositor"));
    if (!mSurface || !compositor) {
        fail(QStringLiteral("no wl_surface for the subsurface"));
        return false;
    }
    mArea = area;
    mScale = scale;
    if (!makeBuffers(area.size() * scale))
        return false;
    // Presses and double-clicks over the strip go to the window underneath.
    wl_region *nowhere = wl_compositor_create_region(compositor);
    wl_surface_set_input_region(mSurface, nowhere);
    wl_region_destroy(nowhere);
    mTurns.reset(QRect(QPoint(), area.size()));
    if (onPlaced)
        onPlaced();
    return true;
}

void WaylandStripSurface::hide()
{
    // Qt destroys the surface when it hides the window.
    mSurface = nullptr;
    mExposed = false;
    dropBuffers();
    if (mWindow)
        mWindow->hide();
}

bool WaylandStripSurface::makeBuffers(QSize size)
{
    static const wl_buffer_listener released { [](void *data, wl_buffer *buffer) {
        auto *self = static_cast<WaylandStripSurface *>(data);
        self->mTurns.release(buffer == self->mBuffers[0] ? 0 : buffer == self->mBuffers[1] ? 1 : -1);
    } };
    const int stride = size.width() * 4;
    const std::size_t bytes = static_cast<std::size_t>(stride) * static_cast<std::size_t>(size.height());
    const int fd = memfd_create("lumetra-strip", MFD_CLOEXEC);
    if (fd < 0 || ftruncate(fd, static_cast<off_t>(2 * bytes)) != 0) {
        fail(QStringLiteral("memfd_create: %1").arg(QString::fromLocal8Bit(std::strerror(errno))));
        if (fd >= 0)
            close(fd);
        return false;
    }
    void *mapping = mmap(nullptr, 2 * bytes, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    if (mapping == MAP_FAILED) {
        fail(QStringLiteral("mmap: %1").arg(QString::fromLocal8Bit(std::strerror(errno))));
        close(fd);
        return false;
    }
    mMapping = mapping;
    mMappingSize = 2 * bytes;
    // Bound on the own queue: the pool's buffers and their releases are there too.
    wl_shm_pool *pool = wl_shm_create_pool(mShm, fd, static_cast<std::int32_t>(2 * bytes));
    close(fd);
    for (std::size_t i = 0; i < 2; ++i) {
        mBuffers[i] = wl_shm_pool_create_buffer(pool, static_cast<std::int32_t>(i * bytes), size.width(), size.height(),
                                                stride, WL_SHM_FORMAT_XRGB8888);
        wl_buffer_add_listener(mBuffers[i], &released, this);
        mImages[i] = QImage(static_cast<uchar *>(mapping) + i * bytes, size.width(), size.height(), stride,
                            QImage::Format_RGB32);
        mImages[i].setDevicePixelRatio(mScale);
    }
    wl_shm_pool_destroy(pool);
    return true;
}

void WaylandStripSurface::dropBuffers()
{
    for (std::size_t i = 0; i < 2; ++i) {
        if (mBuffers[i])
            wl_buffer_destroy(std::exchange(mBuffers[i], nullptr));
        mImages[i] = QImage();
    }
    if (mMapping)
        munmap(std::exchange(mMapping, nullptr), mMappingSize);
}

void WaylandStripSurface::exposed()
{
    if (!isShown() || mExposed)
        return;
    mExposed = true;
    if (onExposed)
        onExposed();
}

bool WaylandStripSurface::send(const QRegion &changed, const Painter &paint)
{
    if (!isShown())
        return false;
    if (wl_display_get_error(mDisplay) != 0) {
        fail(QStringLiteral("wl_display error %1").arg(wl_display_get_error(mDisplay)));
        return false;
    }
    // The compositor's releases, read by Qt's event threads into this queue.
    wl_display_dispatch_queue_pending(mDisplay, mQueue);
    mTurns.change(changed);
    if (!mExposed)
        return false;
    const std::optional<SurfaceBufferPair::Write> write = mTurns.take();
    if (!write)
        return true;
    const auto buffer = static_cast<std::size_t>(write->buffer);
    {
        QPainter painter(&mImages[buffer]);
        // A clip of one rectangle at a time keeps Qt's plain copies of the glyphs' tiles; a
        // clip region would fill span by span, on Qt's thread pool for taller areas.
        for (const QRect &area : write->paint) {
            painter.setClipRect(area);
            paint(painter, area);
        }
    }
    wl_surface_set_buffer_scale(mSurface, mScale);
    wl_surface_attach(mSurface, mBuffers[buffer], 0, 0);
    const bool bufferDamage
        = wl_proxy_get_version(reinterpret_cast<wl_proxy *>(mSurface)) >= WL_SURFACE_DAMAGE_BUFFER_SINCE_VERSION;
    for (const QRect &area : write->damage) {
        const QRect damaged = bufferDamage ? QRect(area.topLeft() * mScale, area.size() * mScale) : area;
        (bufferDamage ? wl_surface_damage_buffer : wl_surface_damage)(mSurface, damaged.x(), damaged.y(),
                                                                      damaged.width(), damaged.height());
    }
    wl_surface_commit(mSurface);
    wl_display_flush(mDisplay);
    return true;
}

void WaylandStripSurface::fail(const QString &reason)
{
    reportOnce(reason);
    mFailed = true;
    hide();
}

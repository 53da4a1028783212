#include "platform/X11WindowPixels.h"

#include "platform/DisplayConnection.h"

#include <QImage>
#include <QSysInfo>
#include <QWindow>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

namespace {

template <typename Reply>
using ReplyPointer = std::unique_ptr<Reply, decltype(&std::free)>;

// Format_RGB32 keeps each pixel as a native 32-bit 0xffRRGGBB: the server must read
// 32-bit pixels of depth 24 in the host's byte order with the same colour masks.
bool serverReadsHostPixels(const xcb_setup_t *setup)
{
    const bool hostLittleEndian = QSysInfo::ByteOrder == QSysInfo::LittleEndian;
    if ((setup->image_byte_order == XCB_IMAGE_ORDER_LSB_FIRST) != hostLittleEndian)
        return false;
    for (auto format = xcb_setup_pixmap_formats_iterator(setup); format.rem; xcb_format_next(&format)) {
        if (format.data->depth == 24)
            return format.data->bits_per_pixel == 32;
    }
    return false;
}

const xcb_visualtype_t *findVisual(const xcb_setup_t *setup, xcb_visualid_t id)
{
    for (auto screen = xcb_setup_roots_iterator(setup); screen.rem; xcb_screen_next(&screen)) {
        for (auto depth = xcb_screen_allowed_depths_iterator(screen.data); depth.rem; xcb_depth_next(&depth)) {
            for (auto visual = xcb_depth_visuals_iterator(depth.data); visual.rem; xcb_visualtype_next(&visual)) {
                if (visual.data->visual_id == id)
                    return visual.data;
            }
        }
    }
    return nullptr;
}

bool isRgb24(const xcb_visualtype_t *visual)
{
    return visual && visual->_class == XCB_VISUAL_CLASS_TRUE_COLOR && visual->red_mask == 0xff0000u
        && visual->green_mask == 0xff00u && visual->blue_mask == 0xffu;
}

}

X11WindowPixels::~X11WindowPixels()
{
    release();
}

void X11WindowPixels::release()
{
    // The connection ends with the application; a context of an ended connection is gone.
    if (mContext && mConnection == applicationsXcbConnection())
        xcb_free_gc(mConnection, mContext);
    mContext = 0;
    mConnection = nullptr;
    mWindow = 0;
    mUsable = false;
}

bool X11WindowPixels::attach(QWindow *window)
{
    // The application keeps one connection for its life: a window seen before is known.
    const auto id = static_cast<xcb_window_t>(window->winId());
    if (mConnection && id == mWindow)
        return mUsable;
    release();
    xcb_connection_t *connection = applicationsXcbConnection();
    if (!connection)
        return false;
    mConnection = connection;
    mWindow = id;

    const ReplyPointer<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, id), nullptr), &std::free);
    const ReplyPointer<xcb_get_window_attributes_reply_t> attributes(
        xcb_get_window_attributes_reply(connection, xcb_get_window_attributes(connection, id), nullptr), &std::free);
    const xcb_setup_t *setup = xcb_get_setup(connection);
    mUsable = geometry && attributes && geometry->depth == 24 && serverReadsHostPixels(setup)
        && isRgb24(findVisual(setup, attributes->visual));
    if (!mUsable)
        return false;
    // Without graphics exposures a put is answered by nothing at all.
    mContext = xcb_generate_id(connection);
    const std::uint32_t noExposures = 0;
    xcb_create_gc(connection, mContext, id, XCB_GC_GRAPHICS_EXPOSURES, &noExposures);
    mLargestRequest = std::uint64_t { xcb_get_maximum_request_length(connection) } * 4;
    return true;
}

bool X11WindowPixels::put(QWindow *window, const QImage &image, QPoint position)
{
    if (image.format() != QImage::Format_RGB32 || image.isNull() || image.bytesPerLine() != image.width() * 4
        || !attach(window))
        return false;
    constexpr std::uint64_t requestHeader = 24;
    const auto bytes = static_cast<std::uint64_t>(image.sizeInBytes());
    if (bytes + requestHeader > mLargestRequest)
        return false;
    xcb_put_image(mConnection, XCB_IMAGE_FORMAT_Z_PIXMAP, mWindow, mContext, static_cast<std::uint16_t>(image.width()),
                  static_cast<std::uint16_t>(image.height()), static_cast<std::int16_t>(position.x()),
                  static_cast<std::int16_t>(position.y()), 0, 24, static_cast<std::uint32_t>(bytes), image.constBits());
    xcb_flush(mConnection);
    return true;
}

bool X11WindowPixels::fill(QWindow *window, const QList<QRect> &rectangles, QRgb colour)
{
    if (!attach(window))
        return false;
    if (rectangles.isEmpty())
        return true;
    // A 24-bit true colour pixel is the colour's own 0xRRGGBB.
    const std::uint32_t pixel = colour & 0xffffffu;
    xcb_change_gc(mConnection, mContext, XCB_GC_FOREGROUND, &pixel);
    QList<xcb_rectangle_t> boxes;
    boxes.reserve(rectangles.size());
    for (const QRect &rectangle : rectangles) {
        boxes.append({ static_cast<std::int16_t>(rectangle.x()), static_cast<std::int16_t>(rectangle.y()),
                       static_cast<std::uint16_t>(rectangle.width()), static_cast<std::uint16_t>(rectangle.height()) });
    }
    xcb_poly_fill_rectangle(mConnection, mWindow, mContext, static_cast<std::uint32_t>(boxes.size()),
                            boxes.constData());
    return true;
}

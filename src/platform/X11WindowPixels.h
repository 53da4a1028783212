#pragma once

#include <QColor>
#include <QList>
#include <QPoint>
#include <QRect>

#include <cstdint>

class QImage;
class QWindow;
struct xcb_connection_t;

// Puts pixels straight into a window on an X display, past Qt's backing store: one
// request that the server does not answer, so a changed digit costs the clock's tick and
// nothing more (no paint pass, no shared-memory hand-over with its round trip). Qt's copy
// of the window is left behind; its owner must repaint that copy before Qt shows it again.
class X11WindowPixels {
public:
    X11WindowPixels() = default;
    ~X11WindowPixels();
    X11WindowPixels(const X11WindowPixels &) = delete;
    X11WindowPixels &operator=(const X11WindowPixels &) = delete;

    // Puts an image of QImage::Format_RGB32 with its top left at position (the window's
    // device pixels). False, with nothing sent, where the window is not on an X display,
    // it is not 24-bit true colour in the image's own layout, or the image would not fit
    // one request.
    bool put(QWindow *window, const QImage &image, QPoint position);
    // Fills rectangles (the window's device pixels) with one colour; false, with nothing
    // sent, where put() would refuse the window. The fill leaves with the next put.
    bool fill(QWindow *window, const QList<QRect> &rectangles, QRgb colour);

private:
    // Takes the window's connection and checks its pixel layout, once per native window.
    bool attach(QWindow *window);
    void release();

    xcb_connection_t *mConnection = nullptr;
    std::uint32_t mWindow = 0;
    std::uint32_t mContext = 0;
    std::uint64_t mLargestRequest = 0;
    bool mUsable = false;
};

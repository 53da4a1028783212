#include "platform/DisplayConnection.h"

#include <QGuiApplication>

#include <sys/socket.h>
#include <xcb/xcb.h>

void widenTheDisplaysSendBuffer()
{
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection())
        return;
    const int socket = xcb_get_file_descriptor(x11->connection());
    // The kernel doubles what it is asked for and keeps it within the system's limit.
    constexpr int wanted = 1 << 20;
    int current = 0;
    socklen_t length = sizeof current;
    if (getsockopt(socket, SOL_SOCKET, SO_SNDBUF, &current, &length) == 0 && current < 2 * wanted)
        setsockopt(socket, SOL_SOCKET, SO_SNDBUF, &wanted, sizeof wanted);
}

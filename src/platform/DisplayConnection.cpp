#include "platform/DisplayConnection.h"

#include <QGuiApplication>

#include <sys/socket.h>
#include <xcb/xcb.h>

xcb_connection_t *applicationsXcbConnection()
{
    const auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

void widenTheDisplaysSendBuffer()
{
    xcb_connection_t *connection = applicationsXcbConnection();
    if (!connection)
        return;
    const int socket = xcb_get_file_descriptor(connection);
    // The kernel doubles what it is asked for and keeps it within the system's limit.
    constexpr int wanted = 1 << 20;
    int current = 0;
    socklen_t length = sizeof current;
    if (getsockopt(socket, SOL_SOCKET, SO_SNDBUF, &current, &length) == 0 && current < 2 * wanted)
        setsockopt(socket, SOL_SOCKET, SO_SNDBUF, &wanted, sizeof wanted);
}

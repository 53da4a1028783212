// Asks a window to close the way a window manager's close button does: a WM_DELETE_WINDOW
// client message. Under an X server without a window manager nothing else closes a window
// politely. Usage: send_close WINDOW-ID (decimal or 0x hex); DISPLAY names the server.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

bool acceptsDeleteWindow(Display *display, Window window, Atom deleteWindow)
{
    Atom *protocols = nullptr;
    int count = 0;
    if (!XGetWMProtocols(display, window, &protocols, &count))
        return false;
    std::unique_ptr<Atom, decltype(&XFree)> owned(protocols, &XFree);
    for (int i = 0; i < count; ++i) {
        if (protocols[i] == deleteWindow)
            return true;
    }
    return false;
}

}

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s WINDOW-ID\n", argv[0]);
        return 2;
    }
    char *end = nullptr;
    const Window window = std::strtoul(argv[1], &end, 0);
    if (*end != '\0' || window == 0) {
        std::fprintf(stderr, "not a window id: %s\n", argv[1]);
        return 2;
    }
    std::unique_ptr<Display, decltype(&XCloseDisplay)> display(XOpenDisplay(nullptr), &XCloseDisplay);
    if (!display) {
        std::fprintf(stderr, "cannot open the display\n");
        return 1;
    }
    const Atom protocols = XInternAtom(display.get(), "WM_PROTOCOLS", False);
    const Atom deleteWindow = XInternAtom(display.get(), "WM_DELETE_WINDOW", False);
    if (!acceptsDeleteWindow(display.get(), window, deleteWindow)) {
        std::fprintf(stderr, "window 0x%lx does not take WM_DELETE_WINDOW\n", window);
        return 1;
    }

    XEvent event {};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = protocols;
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(deleteWindow);
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display.get(), window, False, NoEventMask, &event);
    XSync(display.get(), False);
    return 0;
}

// Starts a program on the current X display and prints the milliseconds from the fork to
// its first top-level window on screen with content: the window mapped (MapNotify) and its
// top rows no longer blank (not only the black of an empty screen). The program is then
// ended. Usage: time_to_content PROGRAM [ARGUMENTS...]
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

bool hasContent(Display *display, Window window)
{
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes) || attributes.map_state != IsViewable)
        return false;
    constexpr int rows = 16;
    XImage *image = XGetImage(display, window, 0, 0, static_cast<unsigned>(attributes.width),
                              static_cast<unsigned>(std::min(rows, attributes.height)), AllPlanes, ZPixmap);
    if (!image)
        return false;
    bool lit = false;
    for (int y = 0; y < image->height && !lit; ++y) {
        for (int x = 0; x < image->width && !lit; ++x)
            lit = XGetPixel(image, x, y) != 0;
    }
    XDestroyImage(image);
    return lit;
}

}

int main(int argc, char *argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM [ARGUMENTS...]\n", argv[0]);
        return 2;
    }
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    // Errors from windows that go away while they are looked at are expected.
    XSetErrorHandler([](Display *, XErrorEvent *) { return 0; });
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }

    Window mapped = None;
    const Clock::time_point giveUp = start + std::chrono::seconds(20);
    double elapsed = -1;
    while (Clock::now() < giveUp) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && mapped == None && !event.xmap.override_redirect)
                mapped = event.xmap.window;
        }
        if (mapped != None && hasContent(display, mapped)) {
            elapsed = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            break;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    XCloseDisplay(display);
    if (elapsed < 0) {
        std::fprintf(stderr, "no window with content appeared\n");
        return 1;
    }
    std::printf("%.1f\n", elapsed);
    return 0;
}

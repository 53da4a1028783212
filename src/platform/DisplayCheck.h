#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// Whether the window system that Qt is about to open can be reached. Qt answers a missing
// display with an abort and a core dump, so the program asks first and ends with a line
// that says why.
namespace DisplayCheck {

// The parts of the process environment that decide which window system Qt opens.
struct Environment {
    QString qpaPlatform; // QT_QPA_PLATFORM
    QString sessionType; // XDG_SESSION_TYPE
    QString waylandDisplay; // WAYLAND_DISPLAY
    QString x11Display; // DISPLAY
    QString runtimeDir; // XDG_RUNTIME_DIR

    // The process's environment; a "-platform NAME" among the arguments wins over
    // QT_QPA_PLATFORM, as it does for Qt.
    static Environment ofProcess(const QStringList &arguments);
};

// Tries to reach a window system; an empty text when it answers, else why not.
struct Probes {
    std::function<QString(const QString &socketPath)> wayland;
    std::function<QString(const QString &display)> x11;
};

// The platform plugins Qt tries for this environment, in its order ("xcb", "wayland",
// "offscreen", ...), without their options.
QStringList platformsToTry(const Environment &environment);

// The reason no window system can be opened, or an empty text when one of the platforms
// to try answers (or needs no display, as "offscreen" does).
QString problem(const Environment &environment, const Probes &probes);

// The probes that connect for real: the compositor's socket, the X server.
Probes realProbes();

// Checks the process's own environment and arguments; when no display opens, says so in
// one line on the standard error and returns false.
bool displayOpensOrReport(int argc, char *argv[]);

}

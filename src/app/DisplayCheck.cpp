#include "app/DisplayCheck.h"

#include <QDir>
#include <QFile>
#include <X11/Xlib.h>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace DisplayCheck {
namespace {

bool isWayland(const QString &platform)
{
    return platform.startsWith(QLatin1String("wayland"));
}

QString waylandSocketPath(const Environment &environment)
{
    // libwayland-client's rule: an absolute name is the socket, else it lies in the
    // runtime folder; no name means "wayland-0".
    const QString name = environment.waylandDisplay.isEmpty() ? QStringLiteral("wayland-0")
                                                                : environment.waylandDisplay;
    if (QDir::isAbsolutePath(name))
        return name;
    if (environment.runtimeDir.isEmpty())
        return QString();
    return QDir(environment.runtimeDir).filePath(name);
}

QString waylandProblem(const Environment &environment, const Probes &probes)
{
    const QString path = waylandSocketPath(environment);
    if (path.isEmpty())
        return QStringLiteral("XDG_RUNTIME_DIR is not set, so the Wayland compositor cannot be found");
    return probes.wayland(path);
}

QString x11Problem(const Environment &environment, const Probes &probes)
{
    if (environment.x11Display.isEmpty())
        return QStringLiteral("DISPLAY is not set");
    return probes.x11(environment.x11Display);
}

QString connectToSocket(const QString &socketPath)
{
    const QByteArray path = QFile::encodeName(socketPath);
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    if (path.size() >= static_cast<qsizetype>(sizeof address.sun_path))
        return QStringLiteral("the Wayland socket path \"%1\" is too long").arg(socketPath);
    std::memcpy(address.sun_path, path.constData(), static_cast<size_t>(path.size()));
    const int socketFd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socketFd < 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    const bool connected = ::connect(socketFd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0;
    const int error = errno;
    ::close(socketFd);
    if (connected)
        return QString();
    return QStringLiteral("no Wayland compositor answers at \"%1\" (%2)")
        .arg(socketPath, QString::fromLocal8Bit(std::strerror(error)));
}

QString openX11Display(const QString &name)
{
    Display *display = XOpenDisplay(name.toLocal8Bit().constData());
    if (!display)
        return QStringLiteral("no X server answers at DISPLAY=%1").arg(name);
    XCloseDisplay(display);
    return QString();
}

}

Environment Environment::ofProcess(const QStringList &arguments)
{
    Environment environment { qEnvironmentVariable("QT_QPA_PLATFORM"), qEnvironmentVariable("XDG_SESSION_TYPE"),
                              qEnvironmentVariable("WAYLAND_DISPLAY"), qEnvironmentVariable("DISPLAY"),
                              qEnvironmentVariable("XDG_RUNTIME_DIR") };
    for (qsizetype i = 1; i + 1 < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("-platform") || arguments[i] == QLatin1String("--platform"))
            environment.qpaPlatform = arguments[i + 1];
    }
    return environment;
}

QStringList platformsToTry(const Environment &environment)
{
    QStringList platforms;
    if (!environment.qpaPlatform.isEmpty()) {
        const QStringList entries = environment.qpaPlatform.split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (const QString &entry : entries)
            platforms.append(entry.section(QLatin1Char(':'), 0, 0));
    } else if (environment.sessionType == QLatin1String("wayland")) {
        // A Wayland session may still offer XWayland; either one will do.
        platforms = { QStringLiteral("wayland"), QStringLiteral("xcb") };
    } else {
        platforms = { QStringLiteral("xcb") };
    }
    return platforms;
}

QString problem(const Environment &environment, const Probes &probes)
{
    QStringList reasons;
    for (const QString &platform : platformsToTry(environment)) {
        QString reason;
        if (isWayland(platform))
            reason = waylandProblem(environment, probes);
        else if (platform == QLatin1String("xcb"))
            reason = x11Problem(environment, probes);
        // Other platforms (offscreen, vnc, eglfs, ...) need no display server to start.
        if (reason.isEmpty())
            return QString();
        reasons.append(reason);
    }
    reasons.removeDuplicates();
    return reasons.join(QStringLiteral("; "));
}

Probes realProbes()
{
    return { connectToSocket, openX11Display };
}

bool displayOpensOrReport(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const QString reason = problem(Environment::ofProcess(arguments), realProbes());
    if (reason.isEmpty())
        return true;
    std::fprintf(stderr, "Cannot open the display: %s\n", qUtf8Printable(reason));
    return false;
}

}

#include "platform/DisplayCheck.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
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
    const QString name
        = environment.waylandDisplay.isEmpty() ? QStringLiteral("wayland-0") : environment.waylandDisplay;
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
        return QCoreApplication::translate("DisplayCheck",
                                           "XDG_RUNTIME_DIR is not set, so the Wayland compositor cannot be found");
    return probes.wayland(path);
}

QString x11Problem(const Environment &environment, const Probes &probes)
{
    if (environment.x11Display.isEmpty())
        return QCoreApplication::translate("DisplayCheck", "DISPLAY is not set");
    return probes.x11(environment.x11Display);
}

// Connects to a Unix socket and leaves at once: 0 when something listens there, else the
// error number.
int socketError(const QByteArray &path)
{
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    if (static_cast<size_t>(path.size()) >= sizeof address.sun_path)
        return ENAMETOOLONG;
    std::memcpy(address.sun_path, path.constData(), static_cast<size_t>(path.size()));
    const int socketFd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socketFd < 0)
        return errno;
    const int error
        = ::connect(socketFd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0 ? 0 : errno;
    ::close(socketFd);
    return error;
}

QString reachWayland(const QString &socketPath)
{
    const int error = socketError(QFile::encodeName(socketPath));
    if (error == 0)
        return QString();
    return QCoreApplication::translate("DisplayCheck", "no Wayland compositor answers at \"%1\" (%2)")
        .arg(socketPath, QString::fromLocal8Bit(std::strerror(error)));
}

// The local socket of an X display name such as ":0" or "unix:1.0"; empty for a display
// reached over the network.
QByteArray x11SocketPath(const QString &display)
{
    const qsizetype colon = display.lastIndexOf(QLatin1Char(':'));
    const QString host = display.left(colon);
    if (colon < 0 || !(host.isEmpty() || host == QLatin1String("unix")))
        return QByteArray();
    const QString number = display.mid(colon + 1).section(QLatin1Char('.'), 0, 0);
    return QByteArrayLiteral("/tmp/.X11-unix/X") + number.toLatin1();
}

// Only the server's socket file is looked for, without connecting: an X server resets
// itself when its last client leaves, and a probe that came and went just before Qt
// connects could be that client.
QString reachX11(const QString &display)
{
    const QByteArray socketPath = x11SocketPath(display);
    if (socketPath.isEmpty() || QFileInfo::exists(QFile::decodeName(socketPath)))
        return QString();
    return QCoreApplication::translate("DisplayCheck", "no X server answers at DISPLAY=%1").arg(display);
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
    return { reachWayland, reachX11 };
}

bool displayOpensOrReport(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const QString reason = problem(Environment::ofProcess(arguments), realProbes());
    if (reason.isEmpty())
        return true;
    std::fprintf(
        stderr, "%s\n",
        qUtf8Printable(QCoreApplication::translate("DisplayCheck", "Cannot open the display: %1").arg(reason)));
    return false;
}

}

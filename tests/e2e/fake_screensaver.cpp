// The desktop's screen saver service on the session bus, for the end-to-end runs: prints
// every call it receives on a line of its own.
#include "support/FakeScreenSaver.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    FakeScreenSaver service;
    QObject::connect(&service, &FakeScreenSaver::called, [](const QString &call) {
        std::printf("%s\n", qUtf8Printable(call));
        std::fflush(stdout);
    });
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.registerObject(QStringLiteral("/org/freedesktop/ScreenSaver"), &service, QDBusConnection::ExportAllSlots)
        || !bus.registerService(QStringLiteral("org.freedesktop.ScreenSaver"))) {
        std::fprintf(stderr, "cannot serve org.freedesktop.ScreenSaver on the session bus\n");
        return 1;
    }
    std::printf("serving\n");
    std::fflush(stdout);
    return QCoreApplication::exec();
}

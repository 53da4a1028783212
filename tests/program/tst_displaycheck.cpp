#include "platform/DisplayCheck.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using DisplayCheck::Environment;

namespace {

// A Unix socket that listens at a path, as a compositor's does; -1 when it cannot.
int listenAt(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, name.constData(), static_cast<size_t>(name.size()));
    const int socketFd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (::bind(socketFd, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0
        || ::listen(socketFd, 1) != 0) {
        ::close(socketFd);
        return -1;
    }
    return socketFd;
}

}

class TestDisplayCheck : public QObject {
    Q_OBJECT

private slots:
    void platformsFollowQtsChoice_data();
    void platformsFollowQtsChoice();
    void problemNamesWhatCouldNotBeReached_data();
    void problemNamesWhatCouldNotBeReached();
    void argumentPlatformWinsOverEnvironment();
    void waylandProbeConnectsToTheSocket();
    void x11ProbeRefusesAMissingServer_data();
    void x11ProbeRefusesAMissingServer();
    void x11ProbeFindsARunningServer();
};

void TestDisplayCheck::platformsFollowQtsChoice_data()
{
    QTest::addColumn<QString>("qpaPlatform");
    QTest::addColumn<QString>("sessionType");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("nothing set: X11") << ""
                                      << "" << QStringList { "xcb" };
    QTest::newRow("X11 session") << ""
                                 << "x11" << QStringList { "xcb" };
    QTest::newRow("Wayland session: Wayland, then XWayland") << ""
                                                             << "wayland" << QStringList { "wayland", "xcb" };
    QTest::newRow("variable wins over the session") << "xcb"
                                                    << "wayland" << QStringList { "xcb" };
    QTest::newRow("list with options") << "wayland-egl;xcb:no_shm"
                                       << "" << QStringList { "wayland-egl", "xcb" };
    QTest::newRow("offscreen") << "offscreen"
                               << "" << QStringList { "offscreen" };
}

void TestDisplayCheck::platformsFollowQtsChoice()
{
    QFETCH(QString, qpaPlatform);
    QFETCH(QString, sessionType);
    QFETCH(QStringList, expected);
    Environment environment;
    environment.qpaPlatform = qpaPlatform;
    environment.sessionType = sessionType;
    QCOMPARE(DisplayCheck::platformsToTry(environment), expected);
}

void TestDisplayCheck::problemNamesWhatCouldNotBeReached_data()
{
    QTest::addColumn<QString>("qpaPlatform");
    QTest::addColumn<QString>("waylandDisplay");
    QTest::addColumn<QString>("x11Display");
    QTest::addColumn<QString>("runtimeDir");
    QTest::addColumn<bool>("waylandAnswers");
    QTest::addColumn<bool>("x11Answers");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QStringList>("probed");

    QTest::newRow("X server answers") << ""
                                      << ""
                                      << ":0"
                                      << "/run/user/1" << false << true << "" << QStringList { "x11 :0" };
    QTest::newRow("no DISPLAY: nothing probed")
        << ""
        << ""
        << ""
        << "/run/user/1" << true << true << "DISPLAY is not set" << QStringList {};
    QTest::newRow("X server silent") << ""
                                     << ""
                                     << ":7"
                                     << "/run/user/1" << false << false << "x11 :7 silent" << QStringList { "x11 :7" };
    QTest::newRow("Wayland socket in the runtime folder")
        << "wayland"
        << "wayland-1"
        << ""
        << "/run/user/1" << true << false << "" << QStringList { "wayland /run/user/1/wayland-1" };
    QTest::newRow("Wayland without a name: wayland-0")
        << "wayland"
        << ""
        << ""
        << "/run/user/1" << false << false << "wayland /run/user/1/wayland-0 silent"
        << QStringList { "wayland /run/user/1/wayland-0" };
    QTest::newRow("Wayland socket by absolute path")
        << "wayland"
        << "/tmp/w/sock"
        << ""
        << "" << true << false << "" << QStringList { "wayland /tmp/w/sock" };
    QTest::newRow("Wayland without a runtime folder")
        << "wayland"
        << "wayland-0"
        << ""
        << "" << true << true << "XDG_RUNTIME_DIR is not set, so the Wayland compositor cannot be found"
        << QStringList {};
    QTest::newRow("Wayland silent, X server answers")
        << "wayland;xcb"
        << "wayland-0"
        << ":0"
        << "/r" << false << true << "" << QStringList { "wayland /r/wayland-0", "x11 :0" };
    QTest::newRow("Wayland answers: X server not asked")
        << "wayland;xcb"
        << "wayland-0"
        << ":0"
        << "/r" << true << true << "" << QStringList { "wayland /r/wayland-0" };
    QTest::newRow("both silent: both reasons") << "wayland;xcb"
                                               << "wayland-0"
                                               << ":0"
                                               << "/r" << false << false << "wayland /r/wayland-0 silent; x11 :0 silent"
                                               << QStringList { "wayland /r/wayland-0", "x11 :0" };
    QTest::newRow("offscreen needs no display") << "offscreen"
                                                << ""
                                                << ""
                                                << "" << false << false << "" << QStringList {};
}

void TestDisplayCheck::problemNamesWhatCouldNotBeReached()
{
    QFETCH(QString, qpaPlatform);
    QFETCH(QString, waylandDisplay);
    QFETCH(QString, x11Display);
    QFETCH(QString, runtimeDir);
    QFETCH(bool, waylandAnswers);
    QFETCH(bool, x11Answers);
    QFETCH(QString, expected);
    QFETCH(QStringList, probed);

    QStringList asked;
    const DisplayCheck::Probes probes {
        [&](const QString &path) {
            asked.append(QStringLiteral("wayland ") + path);
            return waylandAnswers ? QString() : QStringLiteral("wayland %1 silent").arg(path);
        },
        [&](const QString &display) {
            asked.append(QStringLiteral("x11 ") + display);
            return x11Answers ? QString() : QStringLiteral("x11 %1 silent").arg(display);
        },
    };
    Environment environment;
    environment.qpaPlatform = qpaPlatform;
    environment.waylandDisplay = waylandDisplay;
    environment.x11Display = x11Display;
    environment.runtimeDir = runtimeDir;
    QCOMPARE(DisplayCheck::problem(environment, probes), expected);
    QCOMPARE(asked, probed);
}

void TestDisplayCheck::argumentPlatformWinsOverEnvironment()
{
    // The test runs with QT_QPA_PLATFORM=offscreen.
    QCOMPARE(Environment::ofProcess({ "lumetra" }).qpaPlatform, QStringLiteral("offscreen"));
    QCOMPARE(Environment::ofProcess({ "lumetra", "-platform", "xcb" }).qpaPlatform, QStringLiteral("xcb"));
    QCOMPARE(Environment::ofProcess({ "lumetra", "--platform", "wayland" }).qpaPlatform, QStringLiteral("wayland"));
    QCOMPARE(Environment::ofProcess({ "lumetra", "-platform" }).qpaPlatform, QStringLiteral("offscreen"));
}

void TestDisplayCheck::waylandProbeConnectsToTheSocket()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString socketPath = folder.filePath(QStringLiteral("wayland-test"));
    const auto probe = DisplayCheck::realProbes().wayland;

    const QString before = probe(socketPath);
    QVERIFY2(before.startsWith(QStringLiteral("no Wayland compositor answers at \"%1\" (").arg(socketPath)),
             qPrintable(before));

    const int listening = listenAt(socketPath);
    QVERIFY(listening >= 0);
    const QString after = probe(socketPath);
    ::close(listening);
    QCOMPARE(after, QString());
}

void TestDisplayCheck::x11ProbeRefusesAMissingServer_data()
{
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("expected");
    // Display 9302 has no X socket on this machine: nothing answers there.
    QTest::newRow("local") << ":9302"
                           << "no X server answers at DISPLAY=:9302";
    QTest::newRow("local with screen") << ":9302.0"
                                       << "no X server answers at DISPLAY=:9302.0";
    QTest::newRow("unix") << "unix:9302"
                          << "no X server answers at DISPLAY=unix:9302";
    // Over the network only Qt's own connection can tell.
    QTest::newRow("network host") << "example.invalid:9302"
                                  << "";
}

void TestDisplayCheck::x11ProbeRefusesAMissingServer()
{
    QFETCH(QString, display);
    QFETCH(QString, expected);
    QVERIFY2(!QFile::exists(QStringLiteral("/tmp/.X11-unix/X9302")), "an X server runs on display 9302");
    QCOMPARE(DisplayCheck::realProbes().x11(display), expected);
}

void TestDisplayCheck::x11ProbeFindsARunningServer()
{
    // A listening socket where display 9301's server would listen.
    const QString folder = QStringLiteral("/tmp/.X11-unix");
    QVERIFY(QDir().mkpath(folder));
    const QString socketPath = folder + QStringLiteral("/X9301");
    QVERIFY2(!QFile::exists(socketPath), "an X server runs on display 9301");
    const int listening = listenAt(socketPath);
    QVERIFY(listening >= 0);
    const QString answer = DisplayCheck::realProbes().x11(QStringLiteral(":9301.0"));
    ::close(listening);
    QFile::remove(socketPath);
    QCOMPARE(answer, QString());
}

QTEST_GUILESS_MAIN(TestDisplayCheck)
#include "tst_displaycheck.moc"

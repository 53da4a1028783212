// Runs on a private session bus (CTest starts it under dbus-run-session), with a small
// stand-in for the desktop's screen saver service on a connection of its own.
#include "platform/DesktopPlatform.h"
#include "support/FakeScreenSaver.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QElapsedTimer>
#include <QTest>

class TestKeepAwakeDBus : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void callsArriveWithTheirArguments();
    void releaseBeforeTheAnswerGivesTheInhibitionBack();
    void withoutTheServiceTheCallsReturnAtOnce();

private:
    bool serve();
    void stopServing();

    FakeScreenSaver mService;
    QDBusConnection mServiceConnection { QStringLiteral("none") };
};

void TestKeepAwakeDBus::initTestCase()
{
    QVERIFY2(QDBusConnection::sessionBus().isConnected(), "needs a session bus");
    mServiceConnection = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("screensaver"));
    QVERIFY(mServiceConnection.isConnected());
    QVERIFY(mServiceConnection.registerObject(QStringLiteral("/org/freedesktop/ScreenSaver"), &mService,
                                              QDBusConnection::ExportAllSlots));
}

bool TestKeepAwakeDBus::serve()
{
    mService.clear();
    return mServiceConnection.registerService(QStringLiteral("org.freedesktop.ScreenSaver"));
}

void TestKeepAwakeDBus::stopServing()
{
    mServiceConnection.unregisterService(QStringLiteral("org.freedesktop.ScreenSaver"));
}

void TestKeepAwakeDBus::callsArriveWithTheirArguments()
{
    QVERIFY(serve());
    DesktopPlatform platform;
    platform.simulateUserActivity();
    platform.inhibitIdle();
    platform.inhibitIdle();
    QTRY_COMPARE(mService.activityReports, 1);
    QTRY_COMPARE(mService.inhibitCalls,
                 QStringList { QStringLiteral("Lumetra Wall Time Display|Showing the full-screen clock") });
    // Once the service holds the inhibition, the keep-awake tick needs no key.
    QTRY_VERIFY(platform.keepAwakeOffered().idleInhibited);
    QVERIFY(!KeepAwakeMeans::choose(platform.keepAwakeOffered()).rightShift);
    platform.releaseIdleInhibition();
    QVERIFY(!platform.keepAwakeOffered().idleInhibited);
    QTRY_COMPARE(mService.released, QList<uint> { 4242 });
    stopServing();
}

void TestKeepAwakeDBus::releaseBeforeTheAnswerGivesTheInhibitionBack()
{
    QVERIFY(serve());
    DesktopPlatform platform;
    platform.inhibitIdle();
    platform.releaseIdleInhibition();
    QTRY_COMPARE(mService.released, QList<uint> { 4242 });
    QCOMPARE(mService.inhibitCalls.size(), 1);
    stopServing();
}

void TestKeepAwakeDBus::withoutTheServiceTheCallsReturnAtOnce()
{
    DesktopPlatform platform;
    QElapsedTimer timer;
    timer.start();
    platform.simulateUserActivity();
    platform.inhibitIdle();
    platform.releaseIdleInhibition();
    QVERIFY2(timer.elapsed() < 100, qPrintable(QString::number(timer.elapsed())));
    QTest::qWait(200);
    QCOMPARE(mService.activityReports, 0);
    QVERIFY(!platform.keepAwakeOffered().idleInhibited);
}

QTEST_MAIN(TestKeepAwakeDBus)
#include "tst_keepawake_dbus.moc"

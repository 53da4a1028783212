// Runs in a real X server (CTest starts it under xvfb-run), once with the MIT-SCREEN-SAVER
// extension and once without (LUMETRA_SCREEN_SAVER_EXTENSION=0).
#include "platform/DesktopPlatform.h"

#include <QApplication>
#include <QTest>

#include <X11/Xlib.h>
#include <X11/extensions/scrnsaver.h>

namespace {

Display *display()
{
    return qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->display();
}

bool serverHasTheExtension()
{
    int events = 0;
    int errors = 0;
    return XScreenSaverQueryExtension(display(), &events, &errors) != 0;
}

XScreenSaverInfo saverInfo()
{
    XScreenSaverInfo *info = XScreenSaverAllocInfo();
    XScreenSaverQueryInfo(display(), DefaultRootWindow(display()), info);
    const XScreenSaverInfo copy = *info;
    XFree(info);
    return copy;
}

unsigned long idleMilliseconds()
{
    return saverInfo().idle;
}

bool saverIsOn()
{
    return saverInfo().state == ScreenSaverOn;
}

}

class TestKeepAwakeX11 : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void offersWhatTheServerHas();
    void userActivityResetsTheIdleTimeWithoutAKey();
    void inhibitionSuspendsTheScreenSaverUntilReleased();
    void rightShiftResetsTheIdleTime();
};

void TestKeepAwakeX11::initTestCase()
{
    QVERIFY2(qGuiApp->nativeInterface<QNativeInterface::QX11Application>(), "needs an X11 display");
    QCOMPARE(serverHasTheExtension(), qEnvironmentVariable("LUMETRA_SCREEN_SAVER_EXTENSION", "1") == "1");
}

void TestKeepAwakeX11::offersWhatTheServerHas()
{
    DesktopPlatform platform;
    const KeepAwakeMeans::Offered offered = platform.keepAwakeOffered();
    QVERIFY(offered.x11);
    QCOMPARE(offered.screenSaverSuspend, serverHasTheExtension());
    // Nothing asked the session's service: the key is left where the server lacks the
    // extension, unless a screen reader listens.
    QVERIFY(!offered.idleInhibited);
    QCOMPARE(KeepAwakeMeans::choose(offered).rightShift, !serverHasTheExtension() && !offered.assistiveTechnology);
}

void TestKeepAwakeX11::userActivityResetsTheIdleTimeWithoutAKey()
{
    if (!serverHasTheExtension())
        QSKIP("the idle time is read through the MIT-SCREEN-SAVER extension");
    QTest::qWait(1500);
    QVERIFY(idleMilliseconds() >= 1000);
    DesktopPlatform platform;
    platform.simulateUserActivity();
    QTest::qWait(50);
    QVERIFY2(idleMilliseconds() < 500, qPrintable(QString::number(idleMilliseconds())));
}

void TestKeepAwakeX11::inhibitionSuspendsTheScreenSaverUntilReleased()
{
    if (!serverHasTheExtension())
        QSKIP("suspending needs the MIT-SCREEN-SAVER extension");
    // A screen saver that starts after one idle second.
    XSetScreenSaver(display(), 1, 0, DefaultBlanking, DefaultExposures);
    XResetScreenSaver(display());
    XSync(display(), False);
    DesktopPlatform platform;
    platform.inhibitIdle();
    QTest::qWait(2500);
    QVERIFY(!saverIsOn());
    platform.releaseIdleInhibition();
    QTRY_VERIFY_WITH_TIMEOUT(saverIsOn(), 5000);
    XSetScreenSaver(display(), 0, 0, DefaultBlanking, DefaultExposures);
    XResetScreenSaver(display());
    XSync(display(), False);
}

void TestKeepAwakeX11::rightShiftResetsTheIdleTime()
{
    if (!serverHasTheExtension())
        QSKIP("the idle time is read through the MIT-SCREEN-SAVER extension");
    QTest::qWait(1500);
    QVERIFY(idleMilliseconds() >= 1000);
    DesktopPlatform platform;
    platform.sendRightShift(true);
    platform.sendRightShift(false);
    QTest::qWait(50);
    QVERIFY2(idleMilliseconds() < 500, qPrintable(QString::number(idleMilliseconds())));
}

QTEST_MAIN(TestKeepAwakeX11)
#include "tst_keepawake_x11.moc"

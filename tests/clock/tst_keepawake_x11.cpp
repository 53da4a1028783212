// Runs in a real X server (CTest starts it under xvfb-run).
#include "platform/DesktopPlatform.h"

#include <QApplication>
#include <QTest>

#include <X11/Xlib.h>
#include <X11/extensions/scrnsaver.h>

namespace {

unsigned long idleMilliseconds()
{
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    Display *display = x11->display();
    XScreenSaverInfo *info = XScreenSaverAllocInfo();
    XScreenSaverQueryInfo(display, DefaultRootWindow(display), info);
    const unsigned long idle = info->idle;
    XFree(info);
    return idle;
}

}

class TestKeepAwakeX11 : public QObject {
    Q_OBJECT

private slots:
    void rightShiftResetsTheIdleTime();
};

void TestKeepAwakeX11::rightShiftResetsTheIdleTime()
{
    QVERIFY2(qGuiApp->nativeInterface<QNativeInterface::QX11Application>(), "needs an X11 display");
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

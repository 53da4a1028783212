// Runs in a real X server (CTest starts it under xvfb-run).
#include "platform/DisplayConnection.h"

#include <QGuiApplication>
#include <QTest>

#include <sys/socket.h>
#include <xcb/xcb.h>

namespace {

int sendBuffer()
{
    const int socket
        = xcb_get_file_descriptor(qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection());
    int size = 0;
    socklen_t length = sizeof size;
    return getsockopt(socket, SOL_SOCKET, SO_SNDBUF, &size, &length) == 0 ? size : -1;
}

// A changed digit of the clock's default face, Arial 150 bold: 112 x 144 pixels of 4 bytes.
constexpr int digitRepaint = 112 * 144 * 4;

}

class TestDisplayConnection : public QObject {
    Q_OBJECT

private slots:
    void aRepaintLeavesWithoutWaiting();
};

// The socket stays writable while less than a quarter of its buffer is unread: a digit's
// repaint must fit in that quarter, also within Debian's default limit on socket buffers
// (212992 bytes, doubled by the kernel). Widening again never shrinks it.
void TestDisplayConnection::aRepaintLeavesWithoutWaiting()
{
    QVERIFY2(qGuiApp->nativeInterface<QNativeInterface::QX11Application>(), "needs an X11 display");
    widenTheDisplaysSendBuffer();
    const int widened = sendBuffer();
    QVERIFY2(widened / 4 >= digitRepaint, qPrintable(QString::number(widened)));
    widenTheDisplaysSendBuffer();
    QCOMPARE(sendBuffer(), widened);
}

QTEST_MAIN(TestDisplayConnection)
#include "tst_displayconnection.moc"

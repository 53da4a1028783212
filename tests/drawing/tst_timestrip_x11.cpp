// Runs in a real X server (CTest starts it under xvfb-run): what the server shows of the
// clock's strip is compared with what the widgets paint.
#include "drawing/TimeStrip.h"
#include "platform/X11WindowPixels.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>

#include <xcb/xcb.h>

namespace {

xcb_connection_t *connection()
{
    return qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
}

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget *watched) { watched->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

// A black window with the strip in it, as the clock lays it out, and a label in the top
// left corner drawn after the strip.
struct StripWindow {
    QWidget window;
    TimeStrip *strip = new TimeStrip(&window);
    QLabel *label = new QLabel(QStringLiteral("Press ESC To Exit"), &window);

    StripWindow()
    {
        window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
        window.setGeometry(0, 0, 900, 320);
        QPalette palette = window.palette();
        palette.setColor(QPalette::Window, Qt::black);
        palette.setColor(QPalette::WindowText, Qt::white);
        window.setPalette(palette);
        window.setAutoFillBackground(true);
        strip->setGeometry(20, 60, 860, 220);
        QFont font(QStringLiteral("Arial"), 110);
        font.setBold(true);
        strip->setFont(font);
        label->setGeometry(4, 4, 300, 24);
    }

    void show(const QString &text)
    {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        print(text);
        QCoreApplication::processEvents();
    }

    void print(const QString &text, int x = 10)
    {
        strip->Cls();
        strip->Print(x, text);
        strip->Refresh();
    }

    // The server's pixels of the window against the widgets painted afresh.
    bool screenMatchesPainting()
    {
        const QImage shown
            = window.screen()->grabWindow(window.winId()).toImage().convertToFormat(QImage::Format_RGB32);
        const QImage painted = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
        return shown == painted;
    }

    // Scribbles over the whole window on the server, then has the server report it exposed:
    // what Qt shows again must be the current picture.
    void scribbleAndExpose() const
    {
        const auto id = static_cast<xcb_window_t>(window.winId());
        const xcb_gcontext_t red = xcb_generate_id(connection());
        const std::uint32_t colour = 0xff0000;
        xcb_create_gc(connection(), red, id, XCB_GC_FOREGROUND, &colour);
        const xcb_rectangle_t all { 0, 0, 900, 320 };
        xcb_poly_fill_rectangle(connection(), id, red, 1, &all);
        xcb_free_gc(connection(), red);
        xcb_clear_area(connection(), 1, id, 0, 0, 0, 0);
        xcb_flush(connection());
    }
};

}

class TestTimeStripX11 : public QObject {
    Q_OBJECT

private slots:
    void changedDigitsReachTheScreenWithoutAPaint_data();
    void changedDigitsReachTheScreenWithoutAPaint();
    void anExposeShowsTheLatestSecond();
    void aMovedStripShowsTheLatestSecond();
    void aCoveredChangeIsLeftToThePaintSystem();
    void putRefusesWhatTheWindowCannotTake_data();
    void putRefusesWhatTheWindowCannotTake();
};

void TestTimeStripX11::changedDigitsReachTheScreenWithoutAPaint_data()
{
    QTest::addColumn<bool>("underlined");
    QTest::addColumn<int>("step");
    QTest::newRow("digits in place") << false << 0;
    QTest::newRow("text moving each second") << false << 7;
    QTest::newRow("underlined, drawn whole") << true << 0;
}

// A "0" that becomes a narrower "1" leaves ink that must be cleared; AM to PM changes a
// letter; a moving or decorated line is painted and sent whole.
void TestTimeStripX11::changedDigitsReachTheScreenWithoutAPaint()
{
    QFETCH(bool, underlined);
    QFETCH(int, step);
    StripWindow shown;
    QFont font = shown.strip->font();
    font.setUnderline(underlined);
    shown.strip->setFont(font);
    shown.show(QStringLiteral("11:59:58 AM"));
    QTRY_VERIFY(shown.screenMatchesPainting());
    const QStringList seconds { QStringLiteral("11:59:59 AM"), QStringLiteral("12:00:00 PM"),
                                QStringLiteral("12:00:01 PM"), QStringLiteral("12:00:11 PM"),
                                QStringLiteral("12:00:44 PM") };
    int x = 10;
    for (const QString &second : seconds) {
        const PaintCounter paints(shown.strip);
        x += step;
        shown.print(second, x);
        QCoreApplication::processEvents();
        QCOMPARE(paints.count, 0);
        // Grabbing paints the widgets into a picture of their own, not into the window.
        QVERIFY2(shown.screenMatchesPainting(), qPrintable(second));
    }
}

void TestTimeStripX11::anExposeShowsTheLatestSecond()
{
    StripWindow shown;
    shown.show(QStringLiteral("08:15:00 PM"));
    QTRY_VERIFY(shown.screenMatchesPainting());
    shown.print(QStringLiteral("08:15:01 PM"));
    shown.print(QStringLiteral("08:15:02 PM"));
    shown.scribbleAndExpose();
    QTRY_VERIFY(shown.screenMatchesPainting());
}

void TestTimeStripX11::aMovedStripShowsTheLatestSecond()
{
    StripWindow shown;
    shown.show(QStringLiteral("08:15:00 PM"));
    QTRY_VERIFY(shown.screenMatchesPainting());
    shown.print(QStringLiteral("08:15:07 PM"));
    shown.strip->move(shown.strip->pos() + QPoint(6, 3));
    QTRY_VERIFY(shown.screenMatchesPainting());
    shown.print(QStringLiteral("08:15:08 PM"));
    QVERIFY(shown.screenMatchesPainting());
}

// The label is drawn over the strip: a change under it must not cover its text.
void TestTimeStripX11::aCoveredChangeIsLeftToThePaintSystem()
{
    StripWindow shown;
    shown.label->setGeometry(0, 40, 900, 120);
    shown.label->setText(QStringLiteral("a notice over the digits"));
    shown.show(QStringLiteral("10:00:00 AM"));
    QTRY_VERIFY(shown.screenMatchesPainting());
    shown.print(QStringLiteral("10:00:01 AM"));
    QTRY_VERIFY(shown.screenMatchesPainting());
}

void TestTimeStripX11::putRefusesWhatTheWindowCannotTake_data()
{
    QTest::addColumn<QImage>("image");
    QTest::newRow("premultiplied alpha") << QImage(16, 16, QImage::Format_ARGB32_Premultiplied);
    QTest::newRow("24-bit rows") << QImage(16, 16, QImage::Format_RGB888);
    QTest::newRow("empty") << QImage();
    QTest::newRow("larger than one request") << QImage(16384, 8192, QImage::Format_RGB32);
}

void TestTimeStripX11::putRefusesWhatTheWindowCannotTake()
{
    QFETCH(QImage, image);
    QWidget window;
    window.resize(64, 64);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    X11WindowPixels pixels;
    QVERIFY(!pixels.put(window.windowHandle(), image, QPoint()));
    QImage fitting(16, 16, QImage::Format_RGB32);
    fitting.fill(Qt::green);
    QVERIFY(pixels.put(window.windowHandle(), fitting, QPoint()));
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (!app.nativeInterface<QNativeInterface::QX11Application>()) {
        qWarning("needs an X11 display");
        return 1;
    }
    TestTimeStripX11 test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_timestrip_x11.moc"

// The least a Qt Widgets clock can cost: a full-screen window that wakes at each whole
// second and repaints one digit-sized area (112 x 144 pixels, the clock's default face)
// from a picture made beforehand. Nothing is laid out or computed; the yardstick for the
// clock's CPU beside xclock's.
#include <QApplication>
#include <QDateTime>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWidget>

namespace {

const QRect digitArea(900, 400, 112, 144);

class RepaintingWindow : public QWidget {
public:
    RepaintingWindow()
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        for (int i = 0; i < 10; ++i) {
            mDigits[i] = QImage(digitArea.size(), QImage::Format_RGB32);
            mDigits[i].fill(QColor(25 * i, 255 - 25 * i, 0));
        }
    }

    void show(int digit)
    {
        mDigit = digit;
        repaint(digitArea);
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QPainter painter(this);
        painter.fillRect(event->rect(), Qt::black);
        painter.drawImage(digitArea.topLeft(), mDigits[mDigit]);
    }

private:
    QImage mDigits[10];
    int mDigit = 0;
};

}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    RepaintingWindow window;
    window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    window.setGeometry(QGuiApplication::primaryScreen()->geometry());
    window.showFullScreen();
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    QObject::connect(&tick, &QTimer::timeout, &window, [&] {
        const QTime now = QTime::currentTime();
        tick.start(1000 - now.msec());
        window.show(now.second() % 10);
    });
    tick.start(0);
    return QApplication::exec();
}

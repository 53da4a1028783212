// An empty full-screen Qt Widgets window: the yardstick for the clock's memory.
#include <QApplication>
#include <QScreen>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    window.setGeometry(QGuiApplication::primaryScreen()->geometry());
    window.showFullScreen();
    return QApplication::exec();
}

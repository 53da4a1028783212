// Runs the real program with the clock shown full screen on the current display for a
// number of seconds (default 60), then prints how late each new second was read by the
// tick that drew it: the milliseconds past the true second, median and maximum.
#include "RecordingPlatform.h"
#include "platform/DisplayConnection.h"
#include "program/Program.h"

#include <QApplication>
#include <QTimer>
#include <algorithm>
#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    widenTheDisplaysSendBuffer();
    QApplication::setQuitOnLastWindowClosed(false);
    const int seconds = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 60;

    RecordingPlatform platform;
    Program program(platform, QCoreApplication::applicationDirPath());
    program.start();
    QTimer::singleShot(seconds * 1000, &app, &QCoreApplication::quit);
    QApplication::exec();

    QList<int> lags;
    for (qsizetype i = 1; i < platform.reads.size(); ++i) {
        const QTime before = platform.reads[i - 1].time();
        const QTime now = platform.reads[i].time();
        if (now.second() != before.second())
            lags.append(now.msec());
    }
    std::sort(lags.begin(), lags.end());
    if (lags.isEmpty()) {
        std::printf("no second was drawn\n");
        return 1;
    }
    std::printf("seconds drawn: %lld, lag median %d ms, max %d ms\n", lags.size(), lags[lags.size() / 2], lags.last());
    return 0;
}

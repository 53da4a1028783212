// Cost of one clock tick, painting included, at Arial 150 pt bold in the 12-hour format
// with seconds on a 1920 x 1080 window: ticks whose text changes (a new second each)
// and ticks whose text stays. Run under callgrind for instruction counts:
//   valgrind --tool=callgrind --toggle-collect='*changingTicks*' build/bench/bench_ticks
//   valgrind --tool=callgrind --toggle-collect='*steadyTicks*' build/bench/bench_ticks
// and divide the total by the tick count printed here. Offscreen unless QT_QPA_PLATFORM
// names another platform: on an X display (QT_QPA_PLATFORM=xcb) the ticks send their
// pixels as the running clock does.
#include "RecordingPlatform.h"
#include "clock/ClockWindow.h"
#include "clock/Form2.h"
#include "panel/Form1.h"
#include "panel/PanelWindow.h"
#include "program/Program.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>
#include <cstdio>

namespace {

constexpr int tickCount = 200;

void tick(Form2 &clock)
{
    clock.Timer1_Timer();
    QCoreApplication::processEvents();
}

__attribute__((noinline)) void changingTicks(Form2 &clock, RecordingPlatform &platform)
{
    for (int i = 0; i < tickCount; ++i) {
        platform.pinnedTime = platform.pinnedTime->addSecs(1);
        tick(clock);
    }
}

__attribute__((noinline)) void steadyTicks(Form2 &clock)
{
    for (int i = 0; i < tickCount; ++i)
        tick(clock);
}

template <typename Run>
double msecsPerTick(Run run)
{
    QElapsedTimer timer;
    timer.start();
    run();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6 / tickCount;
}

}

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen:size=1920x1080");
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QApplication app(argc, argv);

    RecordingPlatform platform;
    platform.pinnedTime = QDateTime(QDate(2026, 1, 15), QTime(10, 15, 42));
    Program program(platform, config.path());
    program.start();
    program.form1().ui().PushButton1->click();
    Form2 &clock = program.form2();
    clock.ui().Timer1->stop();
    QElapsedTimer waiting;
    waiting.start();
    while (!clock.ui().windowHandle()->isExposed() && waiting.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    // The first seconds make the glyphs' tiles.
    for (int i = 0; i < 20; ++i) {
        platform.pinnedTime = platform.pinnedTime->addSecs(1);
        tick(clock);
    }

    const double changing = msecsPerTick([&] { changingTicks(clock, platform); });
    const double steady = msecsPerTick([&] { steadyTicks(clock); });
    std::printf("ticks per run: %d\n", tickCount);
    std::printf("text changes every tick: %.3f ms per tick\n", changing);
    std::printf("text unchanged:          %.3f ms per tick\n", steady);
    return 0;
}

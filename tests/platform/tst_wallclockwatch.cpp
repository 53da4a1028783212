#include "platform/WallClockWatch.h"

#include <QSignalSpy>
#include <QTest>

#include <ctime>
#include <sys/syscall.h>
#include <unistd.h>

// The watch stays quiet while the clock runs on, and reports a set of the clock: the test
// sets the computer's clock to the time it reads (a step back of a microsecond), where it
// may (as root).
class TestWallClockWatch : public QObject {
    Q_OBJECT

private slots:
    void watchesAndStaysQuietWhileTheClockRunsOn();
    void reportsASetOfTheClock();
};

void TestWallClockWatch::watchesAndStaysQuietWhileTheClockRunsOn()
{
    WallClockWatch watch;
    QVERIFY(watch.isWatching());
    QSignalSpy reports(&watch, &WallClockWatch::clockSet);
    QTest::qWait(300);
    QCOMPARE(reports.count(), 0);
}

void TestWallClockWatch::reportsASetOfTheClock()
{
    WallClockWatch watch;
    QSignalSpy reports(&watch, &WallClockWatch::clockSet);
    // Past the C library, so that a faked clock is never written to the computer's.
    timespec now {};
    QCOMPARE(syscall(SYS_clock_gettime, CLOCK_REALTIME, &now), 0L);
    if (syscall(SYS_clock_settime, CLOCK_REALTIME, &now) != 0)
        QSKIP("setting the computer's clock needs privileges this run has not");
    QTRY_COMPARE(reports.count(), 1);
}

QTEST_GUILESS_MAIN(TestWallClockWatch)
#include "tst_wallclockwatch.moc"

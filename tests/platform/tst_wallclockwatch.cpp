#include "platform/WallClockWatch.h"

#include <QSignalSpy>
#include <QTest>

// Setting the computer's clock needs privileges a test run has not; what can be seen is
// that the kernel accepts the watch and that it stays quiet while the clock runs on.
class TestWallClockWatch : public QObject {
    Q_OBJECT

private slots:
    void watchesAndStaysQuietWhileTheClockRunsOn();
};

void TestWallClockWatch::watchesAndStaysQuietWhileTheClockRunsOn()
{
    WallClockWatch watch;
    QVERIFY(watch.isWatching());
    QSignalSpy reports(&watch, &WallClockWatch::clockSet);
    QTest::qWait(300);
    QCOMPARE(reports.count(), 0);
}

QTEST_GUILESS_MAIN(TestWallClockWatch)
#include "tst_wallclockwatch.moc"

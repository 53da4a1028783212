// Long runs of the clock: a million ticks across midnight and both zones' daylight-saving
// changes with every text checked and memory flat, and 600 openings and closings
// that leave no window, timer or inhibition behind.
#include "clock/ClockWindow.h"
#include "clock/Form2.h"
#include "drawing/TimeStrip.h"
#include "panel/Form1.h"
#include "panel/PanelWindow.h"
#include "support/ProgramFixture.h"
#include "support/ScopedEnvironment.h"
#include "support/TestZones.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPixmapCache>
#include <QPushButton>
#include <QTest>
#include <QTimeZone>
#include <QTimer>

#include <malloc.h>
#include <unistd.h>
#if __has_include(<valgrind/valgrind.h>)
#include <valgrind/valgrind.h>
#endif

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool underAddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool underAddressSanitizer = true;
#else
constexpr bool underAddressSanitizer = false;
#endif
#else
constexpr bool underAddressSanitizer = false;
#endif

// Memory figures are the program's own only without a tool that keeps memory of its own.
bool memoryBoundsApply()
{
#if __has_include(<valgrind/valgrind.h>)
    if (RUNNING_ON_VALGRIND)
        return false;
#endif
    return !underAddressSanitizer;
}

qint64 residentBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields.at(1).toLongLong() * ::sysconf(_SC_PAGESIZE) : -1;
}

// Bytes the program holds on the heap: exact, unlike the resident size, which also counts
// memory the allocator keeps for reuse.
qint64 heapInUse()
{
    return static_cast<qint64>(mallinfo2().uordblks);
}

double mebibytes(qint64 bytes)
{
    return static_cast<double>(bytes) / (1024.0 * 1024.0);
}

// How many times a soak repeats: the count the variable gives, else the normal one.
qint64 soakCount(const char *variable, qint64 normal)
{
    bool ok = false;
    const qint64 wanted = qEnvironmentVariableIntValue(variable, &ok);
    return ok && wanted > 0 ? wanted : normal;
}

// "hh:mm:ss AM" written out by hand, apart from the program's own formatting.
QString twelveHourText(const QTime &time)
{
    const int hour = time.hour() % 12 == 0 ? 12 : time.hour() % 12;
    return QString::asprintf("%02d:%02d:%02d %s", hour, time.minute(), time.second(), time.hour() < 12 ? "AM" : "PM");
}

QString sortedText(const QSet<int> &numbers)
{
    QList<int> sorted = numbers.values();
    std::sort(sorted.begin(), sorted.end());
    QStringList texts;
    for (int number : sorted)
        texts.append(QString::number(number));
    return texts.join(QLatin1Char('/'));
}

int countTimers()
{
    int timers = 0;
    for (QWidget *window : QApplication::topLevelWidgets())
        timers += static_cast<int>(window->findChildren<QTimer *>().size());
    return timers;
}

// Runs what the event loop would run between the user's actions, closed windows' deletion
// included; without it posted events pile up and look like a leak.
void runPendingEvents()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}

class TestClockSoak : public QObject {
    Q_OBJECT

private slots:
    void ticksAcrossMidnightAndDaylightSavingStayRightAndFlat();
    void openingAndClosingTheClockLeavesNothingBehind();
};

void TestClockSoak::ticksAcrossMidnightAndDaylightSavingStayRightAndFlat()
{
    // New York runs the computer, the clock shows Los Angeles. On 8 March 2026 both move
    // to summer time, at 07:00 and 10:00 UTC, after their midnights at 05:00 and 08:00.
    const ScopedEnvironment zone("TZ", "America/New_York");
    const QByteArray chosen("America/Los_Angeles");
    const ZoneRules chosenRules = TestZones::rules(chosen);
    const QDateTime start(QDate(2026, 3, 8), QTime(4, 30), QTimeZone::utc());
    const qint64 ticks = soakCount("LUMETRA_SOAK_TICKS", 1000000);
    // Short runs take longer steps, so that every run spans all four changes.
    constexpr qint64 spanCoveringTheChanges = 6LL * 3600 * 1000;
    const qint64 step = std::max<qint64>(100, spanCoveringTheChanges / ticks);

    ProgramFixture fixture;
    fixture.platform.now = start.toLocalTime();
    fixture.program.start();
    fixture.program.form1().ui().PushButton1->click();
    Form2 &clock = fixture.program.form2();
    clock.setChosenZone(chosen, fixture.platform.now);
    const TimeStrip &strip = *clock.ui().Picture1;

    constexpr qint64 warmUpTicks = 20000;
    constexpr qint64 eventsEvery = 10000;
    qint64 residentBefore = residentBytes();
    qint64 expectedSecond = -1;
    QString expected;
    QSet<int> offsetsSeen;
    QElapsedTimer elapsed;
    elapsed.start();
    for (qint64 tick = 0; tick < ticks; ++tick) {
        const qint64 msecs = start.toMSecsSinceEpoch() + tick * step;
        fixture.platform.now = QDateTime::fromMSecsSinceEpoch(msecs);
        clock.Timer1_Timer();
        if (msecs / 1000 != expectedSecond) {
            expectedSecond = msecs / 1000;
            expected = twelveHourText(
                QDateTime::fromMSecsSinceEpoch(msecs, Qt::OffsetFromUTC, chosenRules.offsetAt(expectedSecond)).time());
        }
        if (strip.text() != expected)
            QFAIL(qPrintable(QStringLiteral("tick %1 at %2 UTC shows \"%3\", not \"%4\"")
                                 .arg(tick)
                                 .arg(QDateTime::fromMSecsSinceEpoch(msecs, QTimeZone::utc()).toString(Qt::ISODate),
                                      strip.text(), expected)));
        offsetsSeen.insert(clock.mTimeZone);
        // The repaints queued meanwhile run now and then, as the event loop would run them.
        if (tick % eventsEvery == eventsEvery - 1)
            QCoreApplication::processEvents();
        if (tick == std::min(warmUpTicks, ticks / 10))
            residentBefore = residentBytes();
    }
    QCoreApplication::processEvents();
    const qint64 residentAfter = residentBytes();
    const QDateTime end = QDateTime::fromMSecsSinceEpoch(start.toMSecsSinceEpoch() + ticks * step, QTimeZone::utc());
    qInfo("%lld ticks of %lld ms from %s to %s UTC in %lld ms: texts wrong 0, clock offsets seen %s min, "
          "resident size %.2f MiB before, %.2f MiB after (%+.2f MiB)%s",
          ticks, step, qPrintable(start.toString(Qt::ISODate)), qPrintable(end.toString(Qt::ISODate)),
          elapsed.elapsed(), qPrintable(sortedText(offsetsSeen)), mebibytes(residentBefore), mebibytes(residentAfter),
          mebibytes(residentAfter - residentBefore),
          memoryBoundsApply() ? "" : " (not bounded under a memory checker)");
    // Summer time starts three hours apart, so the clock ran 180 and 240 minutes behind.
    QCOMPARE(offsetsSeen, (QSet<int> { -180, -240 }));
    QVERIFY(fixture.platform.messages.isEmpty());
    if (memoryBoundsApply())
        QVERIFY2(residentAfter - residentBefore < 2 * 1024 * 1024, "resident size grew by 2 MiB or more");
}

void TestClockSoak::openingAndClosingTheClockLeavesNothingBehind()
{
    // Qt's style keeps pixmaps of controls per palette, and every load gives the panel
    // new palettes: the cache fills to its limit of megabytes. Off, anything left over
    // from one opening to the next is ours.
    QPixmapCache::setCacheLimit(0);
    ProgramFixture fixture;
    fixture.program.start();
    Form1 &panel = fixture.program.form1();
    Form2 &clock = fixture.program.form2();
    const auto openAndClose = [&] {
        panel.ui().PushButton1->click();
        clock.Timer1_Timer();
        QTest::keyClick(&clock.ui(), Qt::Key_Escape);
        runPendingEvents();
    };
    // The first openings fill caches of Qt's (fonts, glyphs, styles) once for all.
    const int warmUps = 20;
    for (int i = 0; i < warmUps; ++i)
        openAndClose();
    const qsizetype windows = QApplication::topLevelWidgets().size();
    const int timers = countTimers();
    const qint64 heapBefore = heapInUse();

    const int cycles = static_cast<int>(soakCount("LUMETRA_SOAK_OPENINGS", 600));
    QElapsedTimer elapsed;
    elapsed.start();
    for (int i = warmUps; i < cycles; ++i)
        openAndClose();
    const qint64 heapAfter = heapInUse();
    qInfo("%d openings and closings in %lld ms: top-level windows %lld after the first, %lld after the last; "
          "timers %d and %d; inhibitions %d, releases %d; heap in use %.3f MiB after the first, %.3f MiB "
          "after the last%s",
          cycles, elapsed.elapsed(), windows, QApplication::topLevelWidgets().size(), timers, countTimers(),
          fixture.platform.inhibitions, fixture.platform.releases, mebibytes(heapBefore), mebibytes(heapAfter),
          memoryBoundsApply() ? "" : " (not bounded under a memory checker)");
    QCOMPARE(QApplication::topLevelWidgets().size(), windows);
    QCOMPARE(countTimers(), timers);
    QVERIFY(!clock.isLoaded());
    QVERIFY(panel.ui().isVisible());
    QCOMPARE(fixture.platform.inhibitions, cycles);
    QCOMPARE(fixture.platform.releases, cycles);
    QVERIFY(fixture.platform.messages.isEmpty());
    // Past the warm-up Qt's caches still grow by some 50 KiB up to their limits; a window,
    // timer or connection left behind each time would add up to far more.
    if (memoryBoundsApply())
        QVERIFY2(heapAfter - heapBefore < 160 * 1024, "the heap grew by 160 KiB or more");
}

QTEST_MAIN(TestClockSoak)
#include "tst_clocksoak.moc"

#include "support/ScopedEnvironment.h"
#include "support/TestFiles.h"
#include "timezones/ZoneFileWatch.h"
#include "timezones/ZoneRules.h"
#include "timezones/ZoneTime.h"
#include "timezones/modTimeFunctions.h"
#include "timezones/modTimeZones.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

namespace {

qint64 utc(int year, int month, int day, int hour, int minute = 0, int second = 0)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second), Qt::UTC).toSecsSinceEpoch();
}

// Qt's next change of offset after instant, skipping changes of name alone.
qint64 qtNextChange(const QTimeZone &zone, qint64 instant)
{
    const int now = zone.offsetFromUtc(QDateTime::fromSecsSinceEpoch(instant, Qt::UTC));
    for (QTimeZone::OffsetData next = zone.nextTransition(QDateTime::fromSecsSinceEpoch(instant, Qt::UTC));
         next.atUtc.isValid(); next = zone.nextTransition(next.atUtc)) {
        if (next.offsetFromUtc != now)
            return next.atUtc.toSecsSinceEpoch();
    }
    return -1;
}

}

class TestZoneRules : public QObject {
    Q_OBJECT

private slots:
    void everyZoneFileReadsAsQtReadsIt_data();
    void everyZoneFileReadsAsQtReadsIt();
    void rules_data();
    void rules();
    void keeperFollowsAChangedZoneFile_data();
    void keeperFollowsAChangedZoneFile();
};

void TestZoneRules::everyZoneFileReadsAsQtReadsIt_data()
{
    QTest::addColumn<qint64>("instant");
    QTest::newRow("1975") << utc(1975, 6, 1, 0);
    QTest::newRow("January 2026") << utc(2026, 1, 15, 12);
    QTest::newRow("July 2026") << utc(2026, 7, 15, 12);
    // Past the changes the files list: their closing rules decide.
    QTest::newRow("January 2045") << utc(2045, 1, 15, 12);
    QTest::newRow("July 2045") << utc(2045, 7, 15, 12);
}

void TestZoneRules::everyZoneFileReadsAsQtReadsIt()
{
    QFETCH(qint64, instant);
    qunsetenv("TZDIR");
    QVERIFY(modTimeZones::LoadTimeZones());
    QStringList wrong;
    for (const QByteArray &key : std::as_const(modTimeZones::TimeZoneKeys)) {
        const QTimeZone zone(key);
        const auto rules = ZoneRules::read(QDir(modTimeFunctions::TimeZoneFolder()).filePath(QString::fromLatin1(key)));
        const int offset = rules ? rules->offsetAt(instant) : -1;
        const qint64 next = rules ? rules->nextChange(instant).value_or(-1) : -2;
        if (offset != zone.offsetFromUtc(QDateTime::fromSecsSinceEpoch(instant, Qt::UTC))
            || next != qtNextChange(zone, instant))
            wrong << QStringLiteral("%1: %2, next %3").arg(QString::fromLatin1(key)).arg(offset).arg(next);
    }
    QCOMPARE(wrong, QStringList());
}

void TestZoneRules::rules_data()
{
    QTest::addColumn<QByteArray>("rule");
    QTest::addColumn<qint64>("instant");
    QTest::addColumn<int>("offset");
    QTest::addColumn<qint64>("next");
    const QByteArray berlin = "CET-1CEST,M3.5.0,M10.5.0/3";
    QTest::newRow("Berlin, before spring") << berlin << utc(2026, 3, 29, 0, 59, 59) << 3600 << utc(2026, 3, 29, 1);
    QTest::newRow("Berlin, spring") << berlin << utc(2026, 3, 29, 1) << 7200 << utc(2026, 10, 25, 1);
    QTest::newRow("Sydney, southern summer")
        << QByteArray("AEST-10AEDT,M10.1.0,M4.1.0/3") << utc(2026, 1, 15, 0) << 39600 << utc(2026, 4, 4, 16);
    QTest::newRow("no dates: the C library's")
        << QByteArray("EST5EDT") << utc(2026, 7, 1, 0) << -14400 << utc(2026, 11, 1, 6);
    QTest::newRow("fixed, quoted name") << QByteArray("<-03>3") << utc(2026, 7, 1, 0) << -10800 << qint64(-1);
    QTest::newRow("fixed, minutes") << QByteArray("<+0545>-5:45") << utc(2026, 7, 1, 0) << 20700 << qint64(-1);
    QTest::newRow("hour past 24") << QByteArray("IST-2IDT,M3.4.4/26,M10.5.0") << utc(2026, 3, 26, 23, 59, 59) << 7200
                                  << utc(2026, 3, 27, 0);
    QTest::newRow("negative hour") << QByteArray("<-02>2<-01>,M3.5.0/-1,M10.5.0/0") << utc(2026, 3, 29, 0, 59, 59)
                                   << -7200 << utc(2026, 3, 29, 1);
    QTest::newRow("Julian day skips 29 February")
        << QByteArray("<+00>0<+01>,J60/0,J305/0") << utc(2028, 2, 29, 12) << 0 << utc(2028, 3, 1, 0);
    QTest::newRow("zero-based day counts it")
        << QByteArray("<+00>0<+01>,59/0,304/0") << utc(2028, 2, 28, 12) << 0 << utc(2028, 2, 29, 0);
    QTest::newRow("daylight time all year")
        << QByteArray("<+03>-3<+04>,0/0,J365/25") << utc(2026, 12, 31, 23) << 14400 << qint64(-1);
    for (const char *bad : { "", "CET", "1CET", "CET-1CEST,M3.5", "CET-1CEST,M13.5.0,M10.5.0", "CET-1CEST,M3.5.0,x" })
        QTest::addRow("not a rule: \"%s\"", bad) << QByteArray(bad) << qint64(0) << 0 << qint64(-2);
}

void TestZoneRules::rules()
{
    QFETCH(QByteArray, rule);
    QFETCH(qint64, instant);
    QFETCH(int, offset);
    QFETCH(qint64, next);
    const std::optional<PosixZoneRule> parsed = PosixZoneRule::parse(rule);
    QCOMPARE(parsed.has_value(), next != -2);
    if (!parsed)
        return;
    QCOMPARE(parsed->offsetAt(instant), offset);
    QCOMPARE(parsed->nextChange(instant).value_or(-1), next);
}

void TestZoneRules::keeperFollowsAChangedZoneFile_data()
{
    QTest::addColumn<bool>("renamedOver");
    QTest::newRow("a new file renamed over it") << true;
    QTest::newRow("rewritten in place") << false;
}

void TestZoneRules::keeperFollowsAChangedZoneFile()
{
    QFETCH(bool, renamedOver);
    const QTimeZone berlin("Europe/Berlin");
    QTemporaryDir folder;
    for (const char *name : { "Europe/Berlin", "Asia/Tokyo" })
        TestFiles::write(folder.filePath(name), TestFiles::read(QStringLiteral("/usr/share/zoneinfo/") + name));
    ScopedEnvironment tzdir("TZDIR", folder.path().toLocal8Bit());
    ScopedEnvironment tz("TZ", "Asia/Tokyo");
    const QDateTime january = QDateTime::fromSecsSinceEpoch(utc(2026, 1, 15, 12), Qt::UTC);

    ZoneTime::OffsetKeeper keeper(berlin);
    ZoneFileWatch watch;
    watch.watch(keeper.files());
    QSignalSpy changed(&watch, &ZoneFileWatch::changed);
    QCOMPARE(keeper.offsetAt(january), -480);
    // Berlin's file now holds Tokyo's rules.
    const QString file = folder.filePath("Europe/Berlin");
    TestFiles::write(renamedOver ? file + ".new" : file, TestFiles::read(folder.filePath("Asia/Tokyo")));
    if (renamedOver)
        QCOMPARE(::rename(QFile::encodeName(file + ".new").constData(), QFile::encodeName(file).constData()), 0);
    QVERIFY(changed.wait(5000));
    keeper.reload();
    QCOMPARE(keeper.offsetAt(january), 0);
}

QTEST_GUILESS_MAIN(TestZoneRules)
#include "tst_zonerules.moc"

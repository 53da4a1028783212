#include "timezones/ZoneRules.h"
#include "timezones/modTimeFunctions.h"
#include "timezones/modTimeZones.h"

#include <QDir>
#include <QTest>

namespace {

qint64 utc(int year, int month, int day, int hour, int minute = 0, int second = 0)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second), Qt::UTC).toSecsSinceEpoch();
}

qint64 qtNextChange(const QTimeZone &zone, qint64 instant)
{
    const int now = zone.offsetFromUtc(QDateTime::fromSecsSinceEpoch(instant, Qt::UTC));
    auto next = zone.nextTransition(QDateTime::fromSecsSinceEpoch(instant, Qt::UTC));
    while (next.atUtc.isValid() && next.offsetFromUtc == now)
        next = zone.nextTransition(next.atUtc);
    return next.atUtc.isValid() ? next.atUtc.toSecsSinceEpoch() : -1;
}

}

class TestZoneRules : public QObject {
    Q_OBJECT

private slots:
    void everyZoneFileReadsAsQtReadsIt_data();
    void everyZoneFileReadsAsQtReadsIt();
    void rules_data();
    void rules();
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
        if (!rules || rules->offsetAt(instant) != zone.offsetFromUtc(QDateTime::fromSecsSinceEpoch(instant, Qt::UTC))
            || rules->nextChange(instant).value_or(-1) != qtNextChange(zone, instant))
            wrong << QString::fromLatin1(key);
    }
    QCOMPARE(wrong, QStringList());
}

void TestZoneRules::rules_data()
{
    // The forms the tz database's own files do not use, but a TZ variable may.
    QTest::addColumn<QByteArray>("rule");
    QTest::addColumn<qint64>("instant");
    QTest::addColumn<int>("offset");
    QTest::addColumn<qint64>("next");
    QTest::newRow("no dates: the C library's")
        << QByteArray("EST5EDT") << utc(2026, 7, 1, 0) << -14400 << utc(2026, 11, 1, 6);
    QTest::newRow("Julian day skips 29 February")
        << QByteArray("<+00>0<+01>,J60/0,J305/0") << utc(2028, 2, 29, 12) << 0 << utc(2028, 3, 1, 0);
    QTest::newRow("zero-based day counts it")
        << QByteArray("<+00>0<+01>,59/0,304/0") << utc(2028, 2, 28, 12) << 0 << utc(2028, 2, 29, 0);
    QTest::newRow("daylight time all year")
        << QByteArray("<+03>-3<+04>,0/0,J365/25") << utc(2026, 12, 31, 23) << 14400 << -1LL;
    for (const char *bad : { "", "CET", "1CET", "CET-1CEST,M3.5", "CET-1CEST,M13.5.0,M10.5.0", "CET-1CEST,M3.5.0,x" })
        QTest::addRow("not a rule: \"%s\"", bad) << QByteArray(bad) << 0LL << 0 << -2LL;
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

QTEST_GUILESS_MAIN(TestZoneRules)
#include "tst_zonerules.moc"

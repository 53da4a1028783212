#include "support/ZoneFileBytes.h"
#include "timezones/ZoneRules.h"
#include "timezones/modTimeFunctions.h"
#include "timezones/modTimeZones.h"

#include <QDir>
#include <QTest>

#include <limits>

namespace {

qint64 utc(int year, int month, int day, int hour, int minute = 0, int second = 0)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second), Qt::UTC).toSecsSinceEpoch();
}

constexpr int refused = std::numeric_limits<int>::min();

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
    void zoneFiles_data();
    void zoneFiles();
    void rules_data();
    void rules();
    void rulesAtTheEndsOfTime();
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

void TestZoneRules::zoneFiles_data()
{
    using namespace ZoneFileBytes;
    // Each file is refused whole, at once, without allocating what its counts claim.
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<qint64>("instant");
    QTest::addColumn<int>("offset");
    const QByteArray oneChangeTwoTypes = bigEndian(1000, 4) + '\1' + type(3600) + type(7200) + "AB";
    QTest::newRow("version 1, before its change")
        << header('\0', { 0, 0, 0, 1, 2, 2 }) + oneChangeTwoTypes << 0LL << 3600;
    QTest::newRow("version 1, after its change")
        << header('\0', { 0, 0, 0, 1, 2, 2 }) + oneChangeTwoTypes << 2000LL << 7200;
    QTest::newRow("closing rule") << version2({ 0, 0, 0, 0, 1, 1 }, type(0) + '\0' + "\n<+02>-2\n") << 0LL << 7200;
    QTest::newRow("empty closing rule") << fixedOffset(-3600) << 0LL << -3600;
    const QByteArray rest(71, '\0');
    QTest::newRow("0xFFFFFFFF types, header alone") << header('\0', { 0, 0, 0, 0, 0xFFFFFFFF, 0 }) << 0LL << refused;
    QTest::newRow("2^31-1 changes") << header('\0', { 0, 0, 0, 0x7FFFFFFF, 1, 0 }) + rest << 0LL << refused;
    QTest::newRow("50 million changes") << header('\0', { 0, 0, 0, 50000000, 1, 0 }) + rest << 0LL << refused;
    QTest::newRow("2^31-1 types") << header('\0', { 0, 0, 0, 0, 0x7FFFFFFF, 0 }) + rest << 0LL << refused;
    QTest::newRow("no types") << header('\0', { 0, 0, 0, 0, 0, 0 }) + rest << 0LL << refused;
    QTest::newRow("257 types") << header('\0', { 0, 0, 0, 0, 257, 0 }) + type(0).repeated(257) << 0LL << refused;
    QTest::newRow("a change to a type past the last")
        << header('\0', { 0, 0, 0, 1, 1, 0 }) + bigEndian(0, 4) + '\1' + type(0) << 0LL << refused;
    QTest::newRow("changes out of order")
        << header('\0', { 0, 0, 0, 2, 1, 0 }) + bigEndian(2000, 4) + bigEndian(1000, 4) + QByteArray(2, '\0') + type(0)
        << 0LL << refused;
    QTest::newRow("offset of 26 hours") << header('\0', { 0, 0, 0, 0, 1, 0 }) + type(26 * 3600) << 0LL << refused;
    QTest::newRow("offset of -2^31") << header('\0', { 0, 0, 0, 0, 1, 0 }) + type(-0x80000000LL) << 0LL << refused;
    QTest::newRow("flags for some types only")
        << header('\0', { 0, 1, 0, 0, 2, 0 }) + type(0) + type(0) + '\0' << 0LL << refused;
    QTest::newRow("second header's counts past the end")
        << version2({ 0, 0, 0, 0x7FFFFFFF, 1, 0 }, rest) << 0LL << refused;
    QTest::newRow("closing rule that does not read")
        << version2({ 0, 0, 0, 0, 1, 1 }, type(0) + '\0' + "\nxyz\n") << 0LL << refused;
    QTest::newRow("closing rule without its last line end")
        << version2({ 0, 0, 0, 0, 1, 1 }, type(0) + '\0' + "\n<+02>-2") << 0LL << refused;
    // Leap seconds are skipped; enough of them make a file too big to be a zone file.
    const quint32 leapSeconds = ZoneRules::maxFileBytes / 8;
    QTest::newRow("bigger than a zone file")
        << header('\0', { 0, 0, leapSeconds, 0, 1, 0 }) + type(0) + QByteArray(8 * leapSeconds, '\0') << 0LL << refused;
}

void TestZoneRules::zoneFiles()
{
    QFETCH(QByteArray, file);
    QFETCH(qint64, instant);
    QFETCH(int, offset);
    const std::optional<ZoneRules> rules = ZoneRules::fromZoneFile(file);
    QCOMPARE(rules.has_value(), offset != refused);
    if (rules)
        QCOMPARE(rules->offsetAt(instant), offset);
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

void TestZoneRules::rulesAtTheEndsOfTime()
{
    // Run under UBSan, nothing overflows however far an instant lies.
    const std::optional<PosixZoneRule> rule = PosixZoneRule::parse("CET-1CEST,M3.5.0,M10.5.0/3");
    QVERIFY(rule);
    constexpr qint64 first = std::numeric_limits<qint64>::min();
    constexpr qint64 last = std::numeric_limits<qint64>::max();
    for (qint64 instant : { first, first + 1, -(1LL << 59), 1LL << 59, last - 1, last })
        QVERIFY2(QList<int>({ 3600, 7200 }).contains(rule->offsetAt(instant)), qPrintable(QString::number(instant)));
    QVERIFY(rule->nextChange(first).value_or(first) > first);
    QVERIFY(!rule->nextChange(last));
}

QTEST_GUILESS_MAIN(TestZoneRules)
#include "tst_zonerules.moc"

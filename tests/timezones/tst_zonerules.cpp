#include "support/TestFiles.h"
#include "timezones/ZoneFileWatch.h"
#include "timezones/ZoneRulesCache.h"
#include "timezones/modTimeFunctions.h"
#include "timezones/modTimeZones.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

#include <cstdio>
#include <limits>

namespace {

qint64 utc(int year, int month, int day, int hour, int minute = 0, int second = 0)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second), Qt::UTC).toSecsSinceEpoch();
}

QByteArray bigEndian(qint64 value, int size = 4)
{
    QByteArray bytes;
    for (int shift = 8 * (size - 1); shift >= 0; shift -= 8)
        bytes.append(static_cast<char>(value >> shift));
    return bytes;
}

// A zone file header of the test's own, with counts in the file's order: UT/local flags,
// standard/wall flags, leap seconds, changes, types, abbreviation bytes.
QByteArray header(char version, const QList<quint32> &counts)
{
    QByteArray bytes = QByteArray("TZif") + version + QByteArray(15, '\0');
    for (quint32 count : counts)
        bytes += bigEndian(count);
    return bytes;
}

// A type: its offset, not daylight time, the first abbreviation.
QByteArray type(qint64 offset)
{
    return bigEndian(offset) + QByteArray(2, '\0');
}

// A version 2 file: a first block of one type, then one type of this offset and a footer.
QByteArray version2(qint64 offset, const QByteArray &footer)
{
    const QByteArray block = header('2', { 0, 0, 0, 0, 1, 1 }) + type(offset) + '\0';
    return block + block + footer;
}

constexpr int refused = std::numeric_limits<int>::min();

// Puts a new file in place of the one at path, as package updates do.
void replace(const QString &path, const QString &by)
{
    QVERIFY(QFile::copy(by, path + ".new"));
    QCOMPARE(std::rename(QFile::encodeName(path + ".new").constData(), QFile::encodeName(path).constData()), 0);
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
    void zoneFiles_data();
    void zoneFiles();
    void rules_data();
    void rules();
    void periodsOfARule_data();
    void periodsOfARule();
    void rulesAreSharedUntilTheFileChanges();
    void aFolderMadeAgainIsWatchedAgain_data();
    void aFolderMadeAgainIsWatchedAgain();
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
    // The installed database, which is where Qt reads its zones.
    qunsetenv("TZDIR");
    QVERIFY(modTimeZones::LoadTimeZones());
    QStringList wrong;
    for (const QByteArray &key : std::as_const(modTimeZones::TimeZoneKeys)) {
        const QTimeZone zone(key);
        const QDateTime at = QDateTime::fromSecsSinceEpoch(instant, Qt::UTC);
        const auto rules = ZoneRules::read(QDir(modTimeFunctions::TimeZoneFolder()).filePath(QString::fromLatin1(key)));
        const ZonePeriod period = rules ? rules->periodAt(instant) : ZonePeriod();
        if (!rules || period.offset != zone.offsetFromUtc(at) || period.standardOffset != zone.standardTimeOffset(at)
            || period.daylight != zone.isDaylightTime(at) || period.abbreviation != zone.abbreviation(at).toLatin1()
            || rules->nextChange(instant).value_or(-1) != qtNextChange(zone, instant))
            wrong << QString::fromLatin1(key);
    }
    QCOMPARE(wrong, QStringList());
}

void TestZoneRules::zoneFiles_data()
{
    // Each file is refused whole, at once, without allocating what its counts claim.
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<qint64>("instant");
    QTest::addColumn<int>("offset");
    const QByteArray version1 = header('\0', { 0, 0, 0, 1, 2, 0 }) + bigEndian(1000) + '\1' + type(3600) + type(7200);
    QTest::newRow("version 1, before its change") << version1 << 0LL << 3600;
    QTest::newRow("version 1, after its change") << version1 << 2000LL << 7200;
    QTest::newRow("closing rule") << version2(0, "\n<+02>-2\n") << 0LL << 7200;
    QTest::newRow("no closing rule") << version2(-3600, "\n\n") << 0LL << -3600;
    QTest::newRow("closing rule that does not read") << version2(0, "\nxyz\n") << 0LL << refused;
    QTest::newRow("closing rule without its line ends") << version2(0, "<+02>-2") << 0LL << refused;
    QTest::newRow("second header that does not read") << version2(0, "").chopped(10) << 0LL << refused;
    QTest::newRow("header cut short") << header('\0', {}).left(30) << 0LL << refused;
    const auto refusedFile = [](const char *name, const QList<quint32> &counts, const QByteArray &data) {
        QTest::newRow(name) << header('\0', counts) + data << 0LL << refused;
    };
    refusedFile("0xFFFFFFFF types, 44 bytes", { 0, 0, 0, 0, 0xFFFFFFFF, 0 }, {});
    refusedFile("2^31-1 changes, 115 bytes", { 0, 0, 0, 0x7FFFFFFF, 1, 0 }, QByteArray(71, '\0'));
    refusedFile("50 million changes", { 0, 0, 0, 50000000, 1, 0 }, QByteArray(71, '\0'));
    refusedFile("no types", { 0, 0, 0, 0, 0, 0 }, QByteArray(71, '\0'));
    refusedFile("257 types", { 0, 0, 0, 0, 257, 0 }, type(0).repeated(257));
    refusedFile("a change to a type past the last", { 0, 0, 0, 1, 1, 0 }, bigEndian(0) + '\1' + type(0));
    refusedFile("changes out of order", { 0, 0, 0, 2, 1, 0 },
                bigEndian(2000) + bigEndian(1000) + QByteArray(2, '\0') + type(0));
    refusedFile("offset of 26 hours", { 0, 0, 0, 0, 1, 0 }, type(26 * 3600));
    refusedFile("abbreviation past the end", { 0, 0, 0, 0, 1, 1 }, bigEndian(0) + '\0' + '\2' + '\0');
    refusedFile("daylight flag neither 0 nor 1", { 0, 0, 0, 0, 1, 1 }, bigEndian(0) + '\2' + '\0' + '\0');
    refusedFile("standard/wall flags for some types only", { 0, 1, 0, 0, 2, 0 }, type(0) + type(0) + '\0');
    refusedFile("UT/local flags for some types only", { 1, 0, 0, 0, 2, 0 }, type(0) + type(0) + '\0');
    refusedFile("two changes at one instant", { 0, 0, 0, 2, 1, 0 },
                bigEndian(1000) + bigEndian(1000) + QByteArray(2, '\0') + type(0));
    // Leap seconds are skipped; enough of them make a file too big to be a zone file.
    refusedFile("too big", { 0, 0, ZoneRules::maxFileBytes / 8, 0, 1, 0 },
                type(0) + QByteArray(ZoneRules::maxFileBytes, '\0'));
}

void TestZoneRules::zoneFiles()
{
    QFETCH(QByteArray, file);
    QFETCH(qint64, instant);
    QFETCH(int, offset);
    const std::optional<ZoneRules> rules = ZoneRules::fromZoneFile(file);
    QCOMPARE(rules ? rules->offsetAt(instant) : refused, offset);
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

void TestZoneRules::periodsOfARule_data()
{
    QTest::addColumn<QByteArray>("rule");
    QTest::addColumn<qint64>("instant");
    QTest::addColumn<int>("standardOffset");
    QTest::addColumn<bool>("inDaylight");
    QTest::addColumn<QByteArray>("abbreviation");
    const QByteArray berlin("CET-1CEST,M3.5.0,M10.5.0/3");
    QTest::newRow("standard time") << berlin << utc(2026, 1, 15, 12) << 3600 << false << QByteArray("CET");
    QTest::newRow("daylight time") << berlin << utc(2026, 7, 15, 12) << 3600 << true << QByteArray("CEST");
    QTest::newRow("names in angle brackets")
        << QByteArray("<+0530>-5:30") << 0LL << 19800 << false << QByteArray("+0530");
    // Dublin's winter time is daylight time an hour behind its standard time.
    QTest::newRow("daylight time behind")
        << QByteArray("IST-1GMT0,M10.5.0,M3.5.0/1") << utc(2026, 1, 15, 12) << 3600 << true << QByteArray("GMT");
}

void TestZoneRules::periodsOfARule()
{
    QFETCH(QByteArray, rule);
    QFETCH(qint64, instant);
    QFETCH(int, standardOffset);
    QFETCH(bool, inDaylight);
    QFETCH(QByteArray, abbreviation);
    const ZonePeriod period = PosixZoneRule::parse(rule).value().periodAt(instant);
    QCOMPARE(period.offset, PosixZoneRule::parse(rule)->offsetAt(instant));
    QCOMPARE(period.standardOffset, standardOffset);
    QCOMPARE(period.daylight, inDaylight);
    QCOMPARE(period.abbreviation, abbreviation);
}

void TestZoneRules::rulesAreSharedUntilTheFileChanges()
{
    QTemporaryDir folder;
    const QString path = folder.filePath("Zone");
    replace(path, QDir(modTimeFunctions::TimeZoneFolder()).filePath("Etc/UTC"));
    std::shared_ptr<const ZoneRules> first = ZoneRulesCache::rulesOf(path);
    QVERIFY(first);
    QCOMPARE(ZoneRulesCache::rulesOf(path), first);
    replace(path, QDir(modTimeFunctions::TimeZoneFolder()).filePath("Etc/GMT-2"));
    std::shared_ptr<const ZoneRules> second = ZoneRulesCache::rulesOf(path);
    QVERIFY(second && second != first);
    // Nothing is kept once no zone holds the rules.
    const std::weak_ptr<const ZoneRules> kept = second;
    first.reset();
    second.reset();
    QVERIFY(kept.expired());
}

void TestZoneRules::aFolderMadeAgainIsWatchedAgain_data()
{
    QTest::addColumn<QString>("removed");
    QTest::newRow("its folder") << "zoneinfo/Europe";
    QTest::newRow("two folders up") << "zoneinfo";
}

void TestZoneRules::aFolderMadeAgainIsWatchedAgain()
{
    QFETCH(QString, removed);
    QTemporaryDir root;
    const QString zone = root.filePath("zoneinfo/Europe/Berlin");
    TestFiles::write(zone, "old rules");
    ZoneFileWatch watch;
    QSignalSpy changed(&watch, &ZoneFileWatch::changed);
    watch.watch({ zone });
    QVERIFY(QDir(root.filePath(removed)).removeRecursively());
    QTRY_VERIFY(!changed.isEmpty());
    const qsizetype whenRemoved = changed.size();
    TestFiles::write(zone, "new rules");
    QTRY_VERIFY(changed.size() > whenRemoved);
}

QTEST_GUILESS_MAIN(TestZoneRules)
#include "tst_zonerules.moc"

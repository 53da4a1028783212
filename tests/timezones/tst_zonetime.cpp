#include "clock/TimeFormat.h"
#include "support/ScopedEnvironment.h"
#include "timezones/ZoneTime.h"
#include "timezones/modTimeZones.h"

#include <QTest>

using namespace ZoneTime;

namespace {

QDateTime utc(int year, int month, int day, int hour, int minute, int second = 0)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second), Qt::UTC);
}

const QDateTime january = utc(2026, 1, 15, 12, 0);
const QDateTime july = utc(2026, 7, 15, 12, 0);

// The time of day the clock shows at instant with chosen selected, on a computer in the
// zone TZ names.
QTime shownAt(const QByteArray &chosen, const QDateTime &instant)
{
    OffsetKeeper keeper(chosen);
    return TimeFormat::shiftedTimeOfDay(instant.toLocalTime().time(), keeper.offsetAt(instant));
}

}

class TestZoneTime : public QObject {
    Q_OBJECT

private slots:
    void offsetBetweenZones_data();
    void offsetBetweenZones();
    void computersOwnZoneGivesZero_data();
    void computersOwnZoneGivesZero();
    void validUntilTheEarlierChange_data();
    void validUntilTheEarlierChange();
    void keeperFollowsADaylightSavingChangeWhileOpen();
    void wholeCatalogueShowsEachZonesTrueTime_data();
    void wholeCatalogueShowsEachZonesTrueTime();
};

void TestZoneTime::offsetBetweenZones_data()
{
    QTest::addColumn<QByteArray>("local");
    QTest::addColumn<QByteArray>("chosen");
    QTest::addColumn<QDateTime>("instant");
    QTest::addColumn<qint32>("offset");
    QTest::addColumn<QTime>("shown");

    QTest::newRow("own zone") << QByteArray("Europe/Berlin") << QByteArray("Europe/Berlin") << july << 0
                              << QTime(14, 0);
    QTest::newRow("Berlin, Tokyo, January")
        << QByteArray("Europe/Berlin") << QByteArray("Asia/Tokyo") << january << 480 << QTime(21, 0);
    QTest::newRow("Berlin, Tokyo, July") << QByteArray("Europe/Berlin") << QByteArray("Asia/Tokyo") << july << 420
                                         << QTime(21, 0);
    QTest::newRow("Denver, Phoenix, January")
        << QByteArray("America/Denver") << QByteArray("America/Phoenix") << january << 0 << QTime(5, 0);
    QTest::newRow("Denver, Phoenix, July")
        << QByteArray("America/Denver") << QByteArray("America/Phoenix") << july << -60 << QTime(5, 0);
    QTest::newRow("UTC-10:00, UTC+14:00")
        << QByteArray("Pacific/Honolulu") << QByteArray("Pacific/Kiritimati") << january << 1440 << QTime(2, 0);
    QTest::newRow("UTC-10:00, UTC+14:00 as an offset")
        << QByteArray("Pacific/Honolulu") << QByteArray("UTC+14:00") << july << 1440 << QTime(2, 0);
    // 23:30 in London in winter, Berlin an hour on: past midnight.
    QTest::newRow("midnight forwards") << QByteArray("Europe/London") << QByteArray("Europe/Berlin")
                                       << utc(2026, 1, 15, 23, 30) << 60 << QTime(0, 30);
    // 00:10 in Berlin in winter, London an hour back: before midnight.
    QTest::newRow("midnight backwards") << QByteArray("Europe/Berlin") << QByteArray("Europe/London")
                                        << utc(2026, 1, 14, 23, 10) << -60 << QTime(23, 10);
    QTest::newRow("half hours") << QByteArray("America/St_Johns") << QByteArray("Asia/Kolkata") << july << 60 * 8
                                << QTime(17, 30);
    // Southern summer in January: Sydney is on daylight time while Berlin is not.
    QTest::newRow("Berlin, Sydney, January")
        << QByteArray("Europe/Berlin") << QByteArray("Australia/Sydney") << january << 600 << QTime(23, 0);
    QTest::newRow("Berlin, Sydney, July")
        << QByteArray("Europe/Berlin") << QByteArray("Australia/Sydney") << july << 480 << QTime(22, 0);
}

void TestZoneTime::offsetBetweenZones()
{
    QFETCH(QByteArray, local);
    QFETCH(QByteArray, chosen);
    QFETCH(QDateTime, instant);
    QFETCH(qint32, offset);
    QFETCH(QTime, shown);
    ScopedEnvironment computer("TZ", local);
    OffsetKeeper keeper(chosen);
    QCOMPARE(keeper.offsetAt(instant), offset);
    QCOMPARE(shownAt(chosen, instant), shown);
}

void TestZoneTime::computersOwnZoneGivesZero_data()
{
    QTest::addColumn<QByteArray>("tz");
    QTest::addColumn<QDateTime>("instant");
    for (const char *zone : { "Europe/Berlin", "America/St_Johns", "Australia/Lord_Howe", "UTC" }) {
        QTest::addRow("%s, January", zone) << QByteArray(zone) << january;
        QTest::addRow("%s, July", zone) << QByteArray(zone) << july;
    }
}

void TestZoneTime::computersOwnZoneGivesZero()
{
    QFETCH(QByteArray, tz);
    QFETCH(QDateTime, instant);
    ScopedEnvironment zone("TZ", tz);
    QCOMPARE(OffsetKeeper(tz).offsetAt(instant), 0);
    QCOMPARE(OffsetKeeper().offsetAt(instant), 0);
}

void TestZoneTime::validUntilTheEarlierChange_data()
{
    QTest::addColumn<QByteArray>("local");
    QTest::addColumn<QByteArray>("chosen");
    QTest::addColumn<QDateTime>("until");
    // Berlin moves to summer time on the last Sunday of March at 01:00 UTC.
    QTest::newRow("chosen zone stays") << QByteArray("Europe/Berlin") << QByteArray("Asia/Tokyo")
                                       << utc(2026, 3, 29, 1, 0);
    QTest::newRow("computer's zone stays")
        << QByteArray("Asia/Tokyo") << QByteArray("Europe/Berlin") << utc(2026, 3, 29, 1, 0);
    // New York moves earlier, on the second Sunday of March at 07:00 UTC.
    QTest::newRow("chosen zone first") << QByteArray("Europe/Berlin") << QByteArray("America/New_York")
                                       << utc(2026, 3, 8, 7, 0);
    QTest::newRow("neither changes") << QByteArray("UTC") << QByteArray("Asia/Tokyo") << QDateTime();
}

void TestZoneTime::validUntilTheEarlierChange()
{
    QFETCH(QByteArray, local);
    QFETCH(QByteArray, chosen);
    QFETCH(QDateTime, until);
    ScopedEnvironment computer("TZ", local);
    OffsetKeeper keeper(chosen);
    keeper.offsetAt(january);
    QCOMPARE(keeper.validUntil(), until);
}

void TestZoneTime::keeperFollowsADaylightSavingChangeWhileOpen()
{
    ScopedEnvironment zone("TZ", "Europe/Berlin");
    OffsetKeeper keeper("Asia/Tokyo");
    const QDateTime change = utc(2026, 3, 29, 1, 0);
    QCOMPARE(keeper.offsetAt(change.addSecs(-30)), 480);
    QCOMPARE(keeper.offsetAt(change.addSecs(-1)), 480);
    // Within the same minute, at the change itself.
    QCOMPARE(keeper.offsetAt(change), 420);
    QCOMPARE(keeper.offsetAt(change.addSecs(10)), 420);

    OffsetKeeper local;
    QCOMPARE(local.offsetAt(july), 0);
}

void TestZoneTime::wholeCatalogueShowsEachZonesTrueTime_data()
{
    QTest::addColumn<QByteArray>("local");
    QTest::addColumn<QDateTime>("instant");
    for (const char *zone : { "Europe/Berlin", "America/Denver", "Asia/Kolkata", "Australia/Sydney" }) {
        QTest::addRow("%s, January", zone) << QByteArray(zone) << january.addSecs(37);
        QTest::addRow("%s, July", zone) << QByteArray(zone) << july.addSecs(37);
    }
}

void TestZoneTime::wholeCatalogueShowsEachZonesTrueTime()
{
    QFETCH(QByteArray, local);
    QFETCH(QDateTime, instant);
    // The installed database, against Qt's reading of it.
    ScopedEnvironment tzdir("TZDIR", "");
    ScopedEnvironment computer("TZ", local);
    QVERIFY(modTimeZones::LoadTimeZones());
    int checked = 0;
    for (const QByteArray &key : std::as_const(modTimeZones::TimeZoneKeys)) {
        QCOMPARE(shownAt(key, instant), instant.toTimeZone(QTimeZone(key)).time());
        ++checked;
    }
    QCOMPARE(checked, modTimeZones::TimeZoneList.size());
    QVERIFY(checked > 300);
}

QTEST_GUILESS_MAIN(TestZoneTime)
#include "tst_zonetime.moc"

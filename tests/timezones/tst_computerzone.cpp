#include "support/ScopedEnvironment.h"
#include "support/TestFiles.h"
#include "support/TestZones.h"
#include "timezones/ComputerZone.h"
#include "timezones/ZoneRules.h"
#include "timezones/modTimeZones.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <unistd.h>

namespace {

constexpr int year = 2026;

// Catalogue indices in the order the panel's list shows them: by display text.
QList<int> displayOrder()
{
    QList<int> order;
    for (int k = 0; k < modTimeZones::TimeZoneList.size(); ++k)
        order.append(k);
    std::stable_sort(order.begin(), order.end(), [](int a, int b) {
        return QString::compare(modTimeZones::EntryAt(a).Display, modTimeZones::EntryAt(b).Display, Qt::CaseInsensitive)
            < 0;
    });
    return order;
}

// The instants at which a wrong default shows: the middle of winter and of summer, north
// and south, and the days after the spring and autumn changes of both hemispheres.
QList<QDateTime> checkedInstants()
{
    QList<QDateTime> instants;
    for (const QDate &date : { QDate(year, 1, 15), QDate(year, 4, 15), QDate(year, 7, 15), QDate(year, 10, 30) })
        instants.append(QDateTime(date, QTime(12, 0), Qt::UTC));
    return instants;
}

// The instants at which zone k's time differs from the computer's local time.
QStringList differencesFromLocalTime(int k)
{
    QStringList differences;
    const QByteArray &key = modTimeZones::TimeZoneKeyAt(k);
    const ZoneRules zone = TestZones::rules(key);
    for (const QDateTime &instant : checkedInstants()) {
        const int local = instant.toLocalTime().offsetFromUtc();
        const int shown = zone.offsetAt(instant.toSecsSinceEpoch());
        if (local != shown)
            differences << QStringLiteral("%1 at %2: %3 s, local %4 s")
                               .arg(QString::fromLatin1(key), instant.toString(Qt::ISODate))
                               .arg(shown)
                               .arg(local);
    }
    return differences;
}

}

class TestComputerZone : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void everyZoneAsTheComputersDefaultsToItself();
    void computersZoneFound_data();
    void computersZoneFound();
    void identifierFindsTheZoneOfTheSameFile_data();
    void identifierFindsTheZoneOfTheSameFile();
    void ruleInTzFindsAZoneKeepingItsTimeAllYear_data();
    void ruleInTzFindsAZoneKeepingItsTimeAllYear();
    void staleNameGivesWayToTheRulesFollowed();
    void noZoneKeepsAnOddOffset();
    void localYearComparesDaylightSaving_data();
    void localYearComparesDaylightSaving();
};

void TestComputerZone::initTestCase()
{
    QVERIFY(modTimeZones::LoadTimeZones());
}

void TestComputerZone::everyZoneAsTheComputersDefaultsToItself()
{
    const QList<int> order = displayOrder();
    QStringList wrong;
    int right = 0;
    for (int k = 0; k < modTimeZones::TimeZoneKeys.size(); ++k) {
        ScopedEnvironment tz("TZ", modTimeZones::TimeZoneKeys.at(k));
        const int chosen = modTimeZones::ComputerZoneIndex(order, year);
        const QStringList differences = chosen == -1
            ? QStringList { "none for " + QString::fromLatin1(modTimeZones::TimeZoneKeys.at(k)) }
            : differencesFromLocalTime(chosen);
        wrong << differences;
        right += differences.isEmpty() ? 1 : 0;
    }
    qInfo("Zones whose default shows the computer's time in January, April, July and October: %d of %d", right,
          static_cast<int>(modTimeZones::TimeZoneKeys.size()));
    QCOMPARE(wrong, QStringList());
    QVERIFY(right > 400);
}

void TestComputerZone::computersZoneFound_data()
{
    QTest::addColumn<QByteArray>("tz");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("own identifier") << QByteArray("Europe/Paris") << QByteArray("Europe/Paris");
    QTest::newRow("TZ with a leading colon") << QByteArray(":Asia/Tokyo") << QByteArray("Asia/Tokyo");
    QTest::newRow("US/Eastern links to New York") << QByteArray("US/Eastern") << QByteArray("America/New_York");
    QTest::newRow("Europe/Belfast links to London") << QByteArray("Europe/Belfast") << QByteArray("Europe/London");
    QTest::newRow("Asia/Calcutta links to Kolkata") << QByteArray("Asia/Calcutta") << QByteArray("Asia/Kolkata");
    QTest::newRow("UTC") << QByteArray("UTC") << QByteArray("UTC");
    QTest::newRow("Etc/UTC is the catalogue's UTC") << QByteArray("Etc/UTC") << QByteArray("UTC");
    QTest::newRow("half-hour daylight saving")
        << QByteArray("Australia/Lord_Howe") << QByteArray("Australia/Lord_Howe");
    QTest::newRow("fixed +05:45 rule") << QByteArray("<+0545>-5:45") << QByteArray("Asia/Kathmandu");
}

void TestComputerZone::computersZoneFound()
{
    QFETCH(QByteArray, tz);
    QFETCH(QByteArray, expected);
    ScopedEnvironment zone("TZ", tz);
    const int chosen = modTimeZones::ComputerZoneIndex(displayOrder(), year);
    QVERIFY(chosen != -1);
    QCOMPARE(modTimeZones::TimeZoneKeys.at(chosen), expected);
}

void TestComputerZone::identifierFindsTheZoneOfTheSameFile_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<int>("expected");
    QTest::newRow("symbolic link") << "symbolic" << 1;
    QTest::newRow("hard link") << "hard" << 1;
    QTest::newRow("copy of a zone's file") << "copy" << -1;
    QTest::newRow("no such file") << "none" << -1;
}

void TestComputerZone::identifierFindsTheZoneOfTheSameFile()
{
    QFETCH(QString, link);
    QFETCH(int, expected);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QVERIFY(QDir(folder.path()).mkpath("Area"));
    for (const char *name : { "Area/First", "Area/Second" })
        TestFiles::write(folder.filePath(name), "TZif");
    const QString alias = folder.filePath("Old_Name");
    if (link == "symbolic")
        QVERIFY(QFile::link("Area/Second", alias));
    else if (link == "hard")
        QCOMPARE(
            ::link(QFile::encodeName(folder.filePath("Area/Second")).constData(), QFile::encodeName(alias).constData()),
            0);
    else if (link == "copy")
        QVERIFY(QFile::copy(folder.filePath("Area/Second"), alias));
    QCOMPARE(ComputerZone::indexOfComputerZone({ "Area/First", "Area/Second" }, "Old_Name", folder.path()), expected);
}

void TestComputerZone::ruleInTzFindsAZoneKeepingItsTimeAllYear_data()
{
    QTest::addColumn<QByteArray>("tz");
    QTest::newRow("US eastern rule") << QByteArray("EST5EDT,M3.2.0,M11.1.0");
    QTest::newRow("central European rule") << QByteArray("CET-1CEST,M3.5.0,M10.5.0/3");
    QTest::newRow("New Zealand rule") << QByteArray("NZST-12NZDT,M9.5.0,M4.1.0/3");
}

void TestComputerZone::ruleInTzFindsAZoneKeepingItsTimeAllYear()
{
    QFETCH(QByteArray, tz);
    ScopedEnvironment zone("TZ", tz);
    const int chosen = modTimeZones::ComputerZoneIndex(displayOrder(), year);
    QVERIFY(chosen != -1);
    QCOMPARE(differencesFromLocalTime(chosen), QStringList());
}

void TestComputerZone::staleNameGivesWayToTheRulesFollowed()
{
    // The computer is named UTC, but the C library follows New York's rules.
    QTemporaryDir folder;
    TestFiles::write(folder.filePath("UTC"), TestZones::zoneFile("America/New_York"));
    TestFiles::write(folder.filePath("America/New_York"), TestZones::zoneFile("America/New_York"));
    ScopedEnvironment tzdir("TZDIR", folder.path().toLocal8Bit());
    ScopedEnvironment zone("TZ", "UTC");
    QCOMPARE(differencesFromLocalTime(modTimeZones::ComputerZoneIndex(displayOrder(), year)), QStringList());
}

void TestComputerZone::noZoneKeepsAnOddOffset()
{
    ScopedEnvironment zone("TZ", "<+0123>-1:23");
    QCOMPARE(modTimeZones::ComputerZoneIndex(displayOrder(), year), -1);
}

void TestComputerZone::localYearComparesDaylightSaving_data()
{
    QTest::addColumn<QByteArray>("tz");
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<bool>("matches");
    QTest::newRow("Berlin keeps Paris's time") << QByteArray("Europe/Berlin") << QByteArray("Europe/Paris") << true;
    QTest::newRow("Berlin is not Algiers in summer")
        << QByteArray("Europe/Berlin") << QByteArray("Africa/Algiers") << false;
    QTest::newRow("Berlin is not London") << QByteArray("Europe/Berlin") << QByteArray("Europe/London") << false;
    QTest::newRow("New York is not Atikokan in summer")
        << QByteArray("America/New_York") << QByteArray("America/Atikokan") << false;
    QTest::newRow("Lord Howe is not Sydney in summer")
        << QByteArray("Australia/Lord_Howe") << QByteArray("Australia/Sydney") << false;
    QTest::newRow("Lord Howe keeps its own time")
        << QByteArray("Australia/Lord_Howe") << QByteArray("Australia/Lord_Howe") << true;
    QTest::newRow("Tokyo keeps Seoul's time") << QByteArray("Asia/Tokyo") << QByteArray("Asia/Seoul") << true;
}

void TestComputerZone::localYearComparesDaylightSaving()
{
    QFETCH(QByteArray, tz);
    QFETCH(QByteArray, zone);
    QFETCH(bool, matches);
    ScopedEnvironment local("TZ", tz);
    QCOMPARE(ComputerZone::LocalYear(year).matches(TestZones::rules(zone)), matches);
}

QTEST_GUILESS_MAIN(TestComputerZone)
#include "tst_computerzone.moc"

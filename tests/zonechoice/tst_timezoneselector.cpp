#include "base/ErrorReport.h"
#include "base/ProductInfo.h"
#include "panel/Form1.h"
#include "panel/PanelWindow.h"
#include "support/ProgramFixture.h"
#include "support/ScopedEnvironment.h"
#include "support/TestFiles.h"
#include "support/TestZones.h"
#include "timezones/modTimeZones.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QTest>

#include <algorithm>
#include <memory>

namespace {

const QString listLocation = QStringLiteral("in Lumetra2021/08/31.Form1.ListTimeZones ");

// A tz database folder whose zone.tab lists the given zones, one line each, with their files.
std::unique_ptr<QTemporaryDir> databaseOf(const QByteArrayList &zones)
{
    auto folder = std::make_unique<QTemporaryDir>();
    QByteArray zoneTab;
    for (const QByteArray &zone : zones)
        zoneTab += "XX\t+0000+00000\t" + zone + "\n";
    TestZones::writeZoneDatabase(folder->path(), zoneTab);
    return folder;
}

QStringList itemTexts(const QComboBox &list)
{
    QStringList texts;
    for (int i = 0; i < list.count(); ++i)
        texts << list.itemText(i);
    return texts;
}

QByteArray selectedZone(const QComboBox &list)
{
    return list.currentIndex() < 0 ? QByteArray() : modTimeZones::TimeZoneKeys.value(list.currentData().toInt());
}

}

class TestTimeZoneSelector : public QObject {
    Q_OBJECT

private slots:
    void listHoldsTheCatalogueSortedWithIndicesAsData();
    void firstRunSelectsTheComputersOwnZone_data();
    void firstRunSelectsTheComputersOwnZone();
    void computersZoneMissingSelectsOneKeepingItsTimeAllYear();
    void storedNameWinsOverAShiftedPosition();
    void storedNameNotInTheDatabaseFallsBackToThePositionAndIsKept();
    void storedNameFollowsTheDatabasesLink_data();
    void storedNameFollowsTheDatabasesLink();
    void noZoneWithTheLocalOffsetSelectsTheFirstItem();
    void storedPositionSelectsThatItem();
    void storedPositionTheListRefuses_data();
    void storedPositionTheListRefuses();
    void choosingAZoneStoresItsPosition();
    void smallDatabaseSortedCaseInsensitively();
    void unreadableDatabaseEndsTheProgram();
    void reloadListsAgainAndRestoresTheChoice();
};

void TestTimeZoneSelector::listHoldsTheCatalogueSortedWithIndicesAsData()
{
    auto fixture = startedProgram();
    const QComboBox &list = *fixture->program.form1().ui().Combo1;
    QCOMPARE(list.insertPolicy(), QComboBox::NoInsert);
    QVERIFY(modTimeZones::TimeZoneList.size() > 300);
    QCOMPARE(list.count(), modTimeZones::TimeZoneList.size());
    QList<int> indices;
    for (int p = 0; p < list.count(); ++p) {
        const int k = list.itemData(p).toInt();
        indices << k;
        QCOMPARE(list.itemText(p), modTimeZones::TimeZoneList.at(k).Display);
        if (p > 0)
            QVERIFY(QString::compare(list.itemText(p - 1), list.itemText(p), Qt::CaseInsensitive) <= 0);
    }
    std::sort(indices.begin(), indices.end());
    for (int k = 0; k < indices.size(); ++k)
        QCOMPARE(indices.at(k), k);
    QVERIFY(fixture->platform.messages.isEmpty());
}

void TestTimeZoneSelector::firstRunSelectsTheComputersOwnZone_data()
{
    QTest::addColumn<QByteArray>("tz");
    QTest::addColumn<QByteArray>("expected");
    QTest::addColumn<qint32>("bias");
    QTest::newRow("Europe/Paris") << QByteArray("Europe/Paris") << QByteArray("Europe/Paris") << -60;
    QTest::newRow("Asia/Kolkata") << QByteArray("Asia/Kolkata") << QByteArray("Asia/Kolkata") << -330;
    QTest::newRow("America/St_Johns") << QByteArray("America/St_Johns") << QByteArray("America/St_Johns") << 210;
    QTest::newRow("US/Eastern") << QByteArray("US/Eastern") << QByteArray("America/New_York") << 300;
    QTest::newRow("UTC") << QByteArray("UTC") << QByteArray("UTC") << 0;
}

void TestTimeZoneSelector::firstRunSelectsTheComputersOwnZone()
{
    QFETCH(QByteArray, tz);
    QFETCH(QByteArray, expected);
    QFETCH(qint32, bias);
    ScopedEnvironment zone("TZ", tz);
    auto fixture = startedProgram();
    Form1 &form1 = fixture->program.form1();
    const QComboBox &list = *form1.ui().Combo1;

    const int k = modTimeZones::IndexOfKey(expected);
    QVERIFY(k != -1);
    QCOMPARE(list.currentText(), modTimeZones::EntryAt(k).Display);
    // Found anew at each start until the user chooses: a moved computer keeps its own.
    QCOMPARE(fixture->store.keys(), QStringList());
    // Minutes west of UTC, daylight saving left out.
    QCOMPARE(form1.localBias(), bias);
    QVERIFY(fixture->platform.messages.isEmpty());
}

void TestTimeZoneSelector::noZoneWithTheLocalOffsetSelectsTheFirstItem()
{
    QTemporaryDir folder;
    TestZones::writeZoneDatabase(folder.path(), "JP\t+353916+1394441\tAsia/Tokyo\nIN\t+2232+08822\tAsia/Kolkata\n");
    ScopedEnvironment tzdir("TZDIR", QFile::encodeName(folder.path()));
    ScopedEnvironment zone("TZ", "America/Denver");
    auto fixture = startedProgram();
    Form1 &form1 = fixture->program.form1();
    QCOMPARE(form1.ui().Combo1->currentIndex(), 0);
    QCOMPARE(form1.ui().Combo1->currentText(), QStringLiteral("(UTC+00:00) UTC"));
    // mLocalBias keeps the value it had.
    QCOMPARE(form1.localBias(), 0);
}

void TestTimeZoneSelector::computersZoneMissingSelectsOneKeepingItsTimeAllYear()
{
    // Algiers sorts first among the zones of central Europe's base offset but has no summer
    // time. The computer's zone is a rule, as the C library takes it when TZDIR has no files.
    const auto database = databaseOf({ "Africa/Algiers", "Europe/Berlin", "Asia/Tokyo" });
    QVERIFY(database);
    ScopedEnvironment tzdir("TZDIR", QFile::encodeName(database->path()));
    ScopedEnvironment zone("TZ", "CET-1CEST,M3.5.0,M10.5.0/3");
    auto fixture = startedProgram();
    QCOMPARE(selectedZone(*fixture->program.form1().ui().Combo1), QByteArray("Europe/Berlin"));
}

void TestTimeZoneSelector::storedNameWinsOverAShiftedPosition()
{
    const QByteArrayList zones { "America/Anguilla", "America/Araguaina", "America/St_Johns", "Asia/Tokyo" };
    const auto before = databaseOf(zones);
    QVERIFY(before);
    QString storedPosition;
    {
        ScopedEnvironment tzdir("TZDIR", QFile::encodeName(before->path()));
        auto fixture = startedProgram({ { "Time Zone Name", "America/St_Johns" } });
        storedPosition = QString::number(fixture->program.form1().ui().Combo1->currentIndex());
    }
    // An update of the database drops a line that sorts before St John's.
    const auto after = databaseOf({ "America/Anguilla", "America/St_Johns", "Asia/Tokyo" });
    QVERIFY(after);
    ScopedEnvironment tzdir("TZDIR", QFile::encodeName(after->path()));
    auto fixture = startedProgram({ { "Time Zone Name", "America/St_Johns" }, { "Combo1", storedPosition } });
    const QComboBox &list = *fixture->program.form1().ui().Combo1;
    QCOMPARE(selectedZone(list), QByteArray("America/St_Johns"));
    QVERIFY(QString::number(list.currentIndex()) != storedPosition);
    QVERIFY(fixture->platform.messages.isEmpty());
}

void TestTimeZoneSelector::storedNameNotInTheDatabaseFallsBackToThePositionAndIsKept()
{
    auto fixture = startedProgram({ { "Time Zone Name", "Nowhere/Atlantis" }, { "Combo1", "3" } });
    const QComboBox &list = *fixture->program.form1().ui().Combo1;
    QCOMPARE(list.currentIndex(), 3);
    // The fallback is no choice: a database that has the name again finds it.
    QCOMPARE(fixture->store.value("Time Zone Name"), QStringLiteral("Nowhere/Atlantis"));
}

void TestTimeZoneSelector::storedNameFollowsTheDatabasesLink_data()
{
    QTest::addColumn<bool>("linkOnDisk");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QByteArray>("selected");
    QTest::newRow("a link on disk") << true << "America/Yellowknife" << QByteArray("America/Edmonton");
    QTest::newRow("a link line of tzdata.zi alone") << false << "America/Yellowknife" << QByteArray("America/Edmonton");
    QTest::newRow("a name no line links") << false << "Nowhere/Atlantis" << QByteArray("Asia/Tokyo");
}

void TestTimeZoneSelector::storedNameFollowsTheDatabasesLink()
{
    QFETCH(bool, linkOnDisk);
    QFETCH(QString, stored);
    QFETCH(QByteArray, selected);
    // A database of the test's own: which names link where is a fact of each release.
    const auto database = databaseOf({ "America/Edmonton", "Asia/Tokyo" });
    QVERIFY(database);
    if (linkOnDisk) {
        QVERIFY(QFile::link("Edmonton", database->filePath("America/Yellowknife")));
    } else {
        TestFiles::write(database->filePath("tzdata.zi"),
                         "# version 2024a\nZ Asia/Tokyo 9:18:59 - LMT 1887 D 31 15u\n"
                         "L America/Edmonton America/Yellowknife\n");
    }
    ScopedEnvironment tzdir("TZDIR", QFile::encodeName(database->path()));
    auto fixture = startedProgram({ { "Time Zone Name", stored }, { "Combo1", "1" } });
    QCOMPARE(selectedZone(*fixture->program.form1().ui().Combo1), selected);
    QCOMPARE(fixture->store.value("Time Zone Name"), stored);
}

void TestTimeZoneSelector::storedPositionSelectsThatItem()
{
    auto fixture = startedProgram({ { "Combo1", "3" } });
    const QComboBox &list = *fixture->program.form1().ui().Combo1;
    QCOMPARE(list.currentIndex(), 3);
    QCOMPARE(list.currentText(), list.itemText(3));
    QCOMPARE(fixture->store.value("Combo1"), QStringLiteral("3"));
    QVERIFY(fixture->platform.messages.isEmpty());
}

void TestTimeZoneSelector::storedPositionTheListRefuses_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("description");
    QTest::newRow("99999") << "99999"
                           << "Overflow";
    QTest::newRow("abc") << "abc"
                         << "Type mismatch";
    QTest::newRow("beyond the last item") << "30000"
                                          << "Invalid property value";
    QTest::newRow("below -1") << "-2"
                              << "Invalid property value";
}

void TestTimeZoneSelector::storedPositionTheListRefuses()
{
    QFETCH(QString, stored);
    QFETCH(QString, description);
    auto fixture = startedProgram({ { "Combo1", stored } });
    PanelWindow &ui = fixture->program.form1().ui();
    QCOMPARE(fixture->platform.messageTexts(),
             QStringList { ErrorReport::messageText(description, listLocation, 132) });
    QCOMPARE(ui.Combo1->currentIndex(), -1);
    QVERIFY(ui.Combo1->currentText().isEmpty());
    QCOMPARE(fixture->store.value("Combo1"), stored);
    // The panel's load went on.
    QVERIFY(ui.isVisible());
    QCOMPARE(ui.Combo1->count(), modTimeZones::TimeZoneList.size());
}

void TestTimeZoneSelector::choosingAZoneStoresItsPosition()
{
    auto fixture = startedProgram();
    QComboBox &list = *fixture->program.form1().ui().Combo1;
    list.setCurrentIndex(7);
    QCOMPARE(fixture->store.value("Combo1"), QStringLiteral("7"));
    QCOMPARE(fixture->store.value("Time Zone Name"),
             QString::fromLatin1(modTimeZones::TimeZoneKeys.at(list.itemData(7).toInt())));
    list.setCurrentIndex(-1);
    QCOMPARE(fixture->store.value("Combo1"), QStringLiteral("-1"));
    fixture->program.form1().Combo1_Change();
    QCOMPARE(fixture->store.value("Combo1"), QStringLiteral("-1"));
}

void TestTimeZoneSelector::smallDatabaseSortedCaseInsensitively()
{
    QTemporaryDir folder;
    // The C library reads the computer's zone from the same folder.
    TestZones::writeZoneDatabase(folder.path(),
                                 "FR\t+4852+00220\tEurope/Paris\n"
                                 "XX\t+0000+00000\tNowhere/Atlantis\n"
                                 "IN\t+2232+08822\tAsia/Kolkata\n"
                                 "CA\t+4734-05243\tAmerica/St_Johns\n"
                                 "GB\t+513030-0000731\tEurope/London\n"
                                 "DE\t+5230+01322\tEurope/Berlin\n");
    ScopedEnvironment tzdir("TZDIR", QFile::encodeName(folder.path()));
    ScopedEnvironment zone("TZ", "Europe/Paris");
    auto fixture = startedProgram();
    const QComboBox &list = *fixture->program.form1().ui().Combo1;
    QCOMPARE(itemTexts(list),
             (QStringList { "(UTC+00:00) Europe/London", "(UTC+00:00) UTC", "(UTC+01:00) Europe/Berlin",
                            "(UTC+01:00) Europe/Paris", "(UTC+05:30) Asia/Kolkata", "(UTC-03:30) America/St_Johns" }));
    QCOMPARE(list.itemData(list.findText("(UTC+01:00) Europe/Paris")).toInt(), 0);
    QCOMPARE(list.itemData(list.findText("(UTC+00:00) UTC")).toInt(), 5);
    QCOMPARE(selectedZone(list), QByteArray("Europe/Paris"));
}

void TestTimeZoneSelector::unreadableDatabaseEndsTheProgram()
{
    QTemporaryDir folder;
    ScopedEnvironment tzdir("TZDIR", QFile::encodeName(folder.path()));
    auto fixture = startedProgram();
    const QString path = QDir(folder.path()).filePath("zone.tab");
    QCOMPARE(fixture->platform.messages.size(), 1);
    const FakePlatform::Message &message = fixture->platform.messages.first();
    QCOMPARE(message.text, QStringLiteral("The time zone database cannot be read: ") + path);
    QCOMPARE(message.title, ProductInfo::productName);
    QCOMPARE(message.icon, PlatformServices::MessageIcon::Critical);
    QVERIFY(fixture->program.hasEnded());
    QCOMPARE(fixture->program.exitCode(), 1);
    QVERIFY(!fixture->program.form1().isLoaded());
    // The load stopped there: nothing after the listing ran.
    QVERIFY(fixture->store.value("Option1").isNull());
}

void TestTimeZoneSelector::reloadListsAgainAndRestoresTheChoice()
{
    auto fixture = startedProgram();
    Form1 &form1 = fixture->program.form1();
    form1.ui().Combo1->setCurrentIndex(42);
    const QString chosen = form1.ui().Combo1->currentText();
    form1.mDontUnload = true;
    form1.Unload();
    QVERIFY(!form1.isLoaded());
    QComboBox &list = *form1.ui().Combo1;
    QCOMPARE(list.count(), modTimeZones::TimeZoneList.size());
    QCOMPARE(list.currentIndex(), 42);
    QCOMPARE(list.currentText(), chosen);
    QVERIFY(fixture->platform.messages.isEmpty());
}

QTEST_MAIN(TestTimeZoneSelector)
#include "tst_timezoneselector.moc"

#include "base/RuntimeError.h"
#include "support/ScopedEnvironment.h"
#include "support/TestFiles.h"
#include "support/TestZones.h"
#include "timezones/modTimeFunctions.h"
#include "timezones/modTimeZones.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

using namespace modTimeFunctions;
using namespace modTimeZones;

namespace {

// A small zone.tab: comments, an identifier the time zone library does not know, a line
// with a comment field and one without.
const QByteArray smallZoneTab = "# tzdb timezone descriptions\n"
                                "#\n"
                                "FR\t+4852+00220\tEurope/Paris\n"
                                "XX\t+0000+00000\tNowhere/Atlantis\tnot a zone\n"
                                "IN\t+2232+08822\tAsia/Kolkata\n"
                                "CA\t+4734-05243\tAmerica/St_Johns\tNewfoundland; Labrador (southeast)\n"
                                "GB\t+513030-0000731\tEurope/London\n";

}

class TestTimeZoneCatalogue : public QObject {
    Q_OBJECT

private slots:
    void normaliseDisplay_data();
    void normaliseDisplay();
    void offsetDisplay_data();
    void offsetDisplay();
    void folderIsTzdirElseTheSystemFolder();
    void catalogueFromATestDatabase();
    void unknownZonesAreSkippedKeepingIndicesDense();
    void missingZoneTabFails();
    void fullDatabase();
    void entryAtAnInstant_data();
    void entryAtAnInstant();
    void prefetchGivesTheCatalogueOfItsPath_data();
    void prefetchGivesTheCatalogueOfItsPath();
    void localBias_data();
    void localBias();
    void timeZoneAtRefusesIndicesOutsideTheCatalogue();
};

void TestTimeZoneCatalogue::normaliseDisplay_data()
{
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("normalised");
    // Display texts in the forms the database and older systems give them.
    QTest::newRow("UTC with a second parenthesis") << "(UTC-05:00) Eastern Time (US & Canada)"
                                                   << "(UTC-05:00) Eastern Time (US & Canada)";
    QTest::newRow("one-digit hour") << "(GMT+5:30) Chennai"
                                    << "(GMT+05:30) Chennai";
    QTest::newRow("UTC alone") << "(UTC) Coordinated Universal Time"
                               << "(UTC) Coordinated Universal Time";
    QTest::newRow("GMT alone") << "(GMT) Casablanca"
                               << "(GMT) Casablanca";
    QTest::newRow("small letters, two blanks") << "(utc+01:00)  Paris"
                                               << "(UTC+01:00) Paris";
    QTest::newRow("Samoa") << "(UTC+13:00) Samoa"
                           << "(UTC+13:00) Samoa";
    QTest::newRow("seconds dropped") << "(GMT+5:30:15) Chennai"
                                     << "(GMT+05:30) Chennai";
    QTest::newRow("one-digit minute, blanks") << "(GMT+ 5:3 ) Somewhere"
                                              << "(GMT+05:03) Somewhere";
    QTest::newRow("three-digit hour kept") << "(GMT+123:45) Nowhere"
                                           << "(GMT+123:45) Nowhere";
    QTest::newRow("hour 24 kept") << "(GMT+24:00) Nowhere"
                                  << "(GMT+24:00) Nowhere";
    QTest::newRow("colon without seconds kept") << "(GMT+5:30:) Nowhere"
                                                << "(GMT+5:30:) Nowhere";
    QTest::newRow("other digits kept") << QStringLiteral("(GMT+\u0665:\u0663\u0660) Nowhere")
                                       << QStringLiteral("(GMT+\u0665:\u0663\u0660) Nowhere");
    // The catalogue's own texts.
    QTest::newRow("half hour east") << "(UTC+05:30) Asia/Kolkata"
                                    << "(UTC+05:30) Asia/Kolkata";
    QTest::newRow("half hour west") << "(UTC-03:30) America/St_Johns"
                                    << "(UTC-03:30) America/St_Johns";
    QTest::newRow("zero") << "(UTC+00:00) Europe/London"
                          << "(UTC+00:00) Europe/London";
    // No parentheses: the tag is the whole text, and the rest is all of it.
    QTest::newRow("no parentheses") << "Paris"
                                    << "(PARIS) Paris";
    QTest::newRow("no parentheses, blanks") << "  Coordinated Universal Time "
                                            << "(  COORDINATED UNIVERSAL TIME ) Coordinated Universal Time";
    QTest::newRow("empty") << ""
                           << "() ";
    // A text that ends at its ")" ends in the prefix's blank.
    QTest::newRow("ends at its parenthesis") << "(UTC+05:30)"
                                             << "(UTC+05:30) ";
    QTest::newRow("ends at its parenthesis, one-digit hour") << "(GMT+5:30)"
                                                             << "(GMT+05:30) ";
    QTest::newRow("GMT only") << "(gmt)"
                              << "(GMT) ";
    // An opening parenthesis without a closing one: the tag runs to the end.
    QTest::newRow("no closing parenthesis") << "(UTC+1:00 Paris"
                                            << "(UTC+1:00 PARIS) (UTC+1:00 Paris";
    // A closing parenthesis before the opening one.
    QTest::newRow("closing before opening") << "x) (UTC+2:00"
                                            << "(UTC+02:00) (UTC+2:00";
    QTest::newRow("no time after the tag's fourth character") << "(UTC+xy) Somewhere"
                                                              << "(UTC+XY) Somewhere";
}

void TestTimeZoneCatalogue::normaliseDisplay()
{
    QFETCH(QString, display);
    QFETCH(QString, normalised);
    QCOMPARE(NormaliseDisplay(display), normalised);
}

void TestTimeZoneCatalogue::offsetDisplay_data()
{
    QTest::addColumn<int>("minutesEast");
    QTest::addColumn<QString>("text");
    QTest::newRow("east") << 330 << "(UTC+05:30) Asia/Kolkata";
    QTest::newRow("west") << -210 << "(UTC-03:30) Asia/Kolkata";
    QTest::newRow("zero") << 0 << "(UTC+00:00) Asia/Kolkata";
    QTest::newRow("fourteen") << 840 << "(UTC+14:00) Asia/Kolkata";
}

void TestTimeZoneCatalogue::offsetDisplay()
{
    QFETCH(int, minutesEast);
    QFETCH(QString, text);
    QCOMPARE(OffsetDisplay(minutesEast, QStringLiteral("Asia/Kolkata")), text);
}

void TestTimeZoneCatalogue::folderIsTzdirElseTheSystemFolder()
{
    {
        ScopedEnvironment tzdir("TZDIR", "/somewhere/tz");
        QCOMPARE(TimeZoneFolder(), QStringLiteral("/somewhere/tz"));
        QCOMPARE(TimeZonesPath(), QStringLiteral("/somewhere/tz/zone.tab"));
    }
    {
        ScopedEnvironment tzdir("TZDIR", "");
        QCOMPARE(TimeZonesPath(), QStringLiteral("/usr/share/zoneinfo/zone.tab"));
    }
}

void TestTimeZoneCatalogue::catalogueFromATestDatabase()
{
    QTemporaryDir folder;
    TestZones::writeZoneDatabase(folder.path(), smallZoneTab);
    ScopedEnvironment tzdir("TZDIR", QFile::encodeName(folder.path()));

    QString failedPath;
    QVERIFY(LoadTimeZones(&failedPath));
    QVERIFY(failedPath.isEmpty());
    QCOMPARE(TimeZoneKeys,
             (QByteArrayList { "Europe/Paris", "Asia/Kolkata", "America/St_Johns", "Europe/London", "UTC" }));
    QCOMPARE(TimeZoneList.size(), TimeZoneKeys.size());

    // Each zone's standard offset in minutes west of UTC.
    QStringList displays;
    QList<qint32> biases;
    for (const TimeZoneEntry &entry : std::as_const(TimeZoneList)) {
        displays << entry.Display;
        biases << entry.Bias;
    }
    QCOMPARE(displays,
             (QStringList { "(UTC+01:00) Europe/Paris", "(UTC+05:30) Asia/Kolkata", "(UTC-03:30) America/St_Johns",
                            "(UTC+00:00) Europe/London", "(UTC+00:00) UTC" }));
    QCOMPARE(biases, (QList<qint32> { -60, -330, 210, 0, 0 }));

    const TimeZoneEntry &paris = TimeZoneList.at(0);
    QCOMPARE(paris.Std, QStringLiteral("CET"));
    QCOMPARE(paris.Dlt, QStringLiteral("CEST"));
    QCOMPARE(paris.DaylightBias, -60);
    QCOMPARE(paris.StandardBias, 0);
    QVERIFY(paris.MapID.isEmpty());
    const TimeZoneEntry &kolkata = TimeZoneList.at(1);
    QCOMPARE(kolkata.Std, QStringLiteral("IST"));
    QVERIFY(kolkata.Dlt.isEmpty());
    QCOMPARE(kolkata.DaylightBias, 0);
    QCOMPARE(TimeZoneList.at(3).Std, QStringLiteral("GMT"));
    QCOMPARE(TimeZoneList.at(3).Dlt, QStringLiteral("BST"));
}

void TestTimeZoneCatalogue::unknownZonesAreSkippedKeepingIndicesDense()
{
    QTemporaryDir folder;
    TestZones::writeZoneDatabase(folder.path(),
                                 "XX\t+0000+00000\tNowhere/Atlantis\n"
                                 "JP\t+353916+1394441\tAsia/Tokyo\n"
                                 "YY\t+0000+00000\tAlso/Not_A_Zone\n"
                                 "\n"
                                 "malformed line without tabs\n"
                                 "ZZ\t+0000+00000\tUTC\n"
                                 "US\t+394421-1045903\tAmerica/Denver\tMountain (most areas)");
    QVERIFY(ReadTimeZones(folder.filePath("zone.tab")));
    // A zone.tab that names UTC itself gets no second one.
    QCOMPARE(TimeZoneKeys, (QByteArrayList { "Asia/Tokyo", "UTC", "America/Denver" }));
    QCOMPARE(TimeZoneList.at(0).Display, QStringLiteral("(UTC+09:00) Asia/Tokyo"));
    QCOMPARE(TimeZoneList.at(2).Display, QStringLiteral("(UTC-07:00) America/Denver"));
    QCOMPARE(TimeZoneList.at(2).Bias, 420);

    // Each reading starts again at index 0.
    TestFiles::write(folder.filePath("zone.tab"), "# nothing\n");
    QVERIFY(ReadTimeZones(folder.filePath("zone.tab")));
    QCOMPARE(TimeZoneKeys, QByteArrayList { "UTC" });
    QCOMPARE(TimeZoneList.size(), 1);
}

void TestTimeZoneCatalogue::missingZoneTabFails()
{
    QTemporaryDir folder;
    TestZones::writeZoneDatabase(folder.path(), smallZoneTab);
    QVERIFY(ReadTimeZones(folder.filePath("zone.tab")));

    QTemporaryDir empty;
    ScopedEnvironment tzdir("TZDIR", QFile::encodeName(empty.path()));
    QString failedPath;
    QVERIFY(!LoadTimeZones(&failedPath));
    QCOMPARE(failedPath, QDir(empty.path()).filePath("zone.tab"));
    QCOMPARE(FailureMessage(failedPath),
             QStringLiteral("The time zone database cannot be read: ") + empty.path() + QStringLiteral("/zone.tab"));
    // The catalogue read before stays.
    QCOMPARE(TimeZoneKeys.size(), 5);
}

void TestTimeZoneCatalogue::fullDatabase()
{
    ScopedEnvironment tzdir("TZDIR", "");
    QVERIFY(LoadTimeZones());
    bool ok = false;
    const QByteArrayList fileOrder = ReadZoneTab(TimeZonesPath(), &ok);
    QVERIFY(ok);
    QVERIFY(TimeZoneList.size() > 300);
    QCOMPARE(TimeZoneKeys.last(), QByteArray("UTC"));
    // Every key is known to the library and the keys keep the file's order.
    qsizetype at = 0;
    for (qsizetype i = 0; i + 1 < TimeZoneKeys.size(); ++i) {
        QVERIFY(QTimeZone(TimeZoneKeys.at(i)).isValid());
        at = fileOrder.indexOf(TimeZoneKeys.at(i), at);
        QVERIFY2(at >= 0, TimeZoneKeys.at(i).constData());
    }
    // Every display text is "(UTC+hh:mm) Identifier" with the entry's own offset.
    for (qsizetype i = 0; i < TimeZoneKeys.size(); ++i) {
        const TimeZoneEntry &entry = TimeZoneList.at(i);
        QCOMPARE(entry.Display, OffsetDisplay(-entry.Bias, QString::fromLatin1(TimeZoneKeys.at(i))));
        QCOMPARE(NormaliseDisplay(entry.Display), entry.Display);
        QVERIFY2(qAbs(entry.Bias) <= 14 * 60, entry.Display.toUtf8().constData());
    }
    const int kolkata = static_cast<int>(TimeZoneKeys.indexOf("Asia/Kolkata"));
    QVERIFY(kolkata >= 0);
    // As Qt reads the installed database.
    QCOMPARE(TimeZoneList.at(kolkata).Bias,
             -QTimeZone("Asia/Kolkata").standardTimeOffset(QDateTime::currentDateTimeUtc()) / 60);
}

void TestTimeZoneCatalogue::entryAtAnInstant_data()
{
    // Zone | instant | display | bias | standard and daylight names | daylight bias: in daylight
    // time as well, the list shows the standard offset.
    QTest::addColumn<QStringList>("row");
    for (const char *row : { "Europe/Paris|2026-07-15T12:00:00Z|(UTC+01:00) Europe/Paris|-60|CET|CEST|-60",
                             "Europe/Paris|2026-01-15T12:00:00Z|(UTC+01:00) Europe/Paris|-60|CET|CEST|-60",
                             "Australia/Sydney|2026-01-15T12:00:00Z|(UTC+10:00) Australia/Sydney|-600|AEST|AEDT|-60",
                             "America/St_Johns|2026-07-15T12:00:00Z|(UTC-03:30) America/St_Johns|210|NST|NDT|-60",
                             "Asia/Kolkata|2026-07-15T12:00:00Z|(UTC+05:30) Asia/Kolkata|-330|IST||0" })
        QTest::newRow(row) << QString::fromLatin1(row).split(u'|');
}

void TestTimeZoneCatalogue::entryAtAnInstant()
{
    QFETCH(QStringList, row);
    const qint64 instant = QDateTime::fromString(row[1], Qt::ISODate).toSecsSinceEpoch();
    const TimeZoneEntry entry = EntryFor(row[0].toLatin1(), TestZones::rules(row[0].toLatin1()), instant);
    QCOMPARE(entry.Display, row[2]);
    QCOMPARE(entry.Bias, row[3].toInt());
    QCOMPARE(entry.Std, row[4]);
    QCOMPARE(entry.Dlt, row[5]);
    QCOMPARE(entry.DaylightBias, row[6].toInt());
}

void TestTimeZoneCatalogue::prefetchGivesTheCatalogueOfItsPath_data()
{
    QTest::addColumn<bool>("readTheSamePath");
    QTest::addColumn<QByteArrayList>("keys");
    QTest::newRow("the prefetched path") << true
                                         << QByteArrayList { "Europe/Paris", "Asia/Kolkata", "America/St_Johns",
                                                             "Europe/London", "UTC" };
    QTest::newRow("another path") << false << QByteArrayList { "Asia/Tokyo", "UTC" };
}

void TestTimeZoneCatalogue::prefetchGivesTheCatalogueOfItsPath()
{
    QFETCH(bool, readTheSamePath);
    QFETCH(QByteArrayList, keys);
    QTemporaryDir folder;
    TestZones::writeZoneDatabase(folder.path(), smallZoneTab);
    QTemporaryDir other;
    TestZones::writeZoneDatabase(other.path(), "JP\t+353916+1394441\tAsia/Tokyo\n");
    {
        ScopedEnvironment tzdir("TZDIR", QFile::encodeName(folder.path()));
        PrefetchTimeZones();
    }
    QVERIFY(ReadTimeZones((readTheSamePath ? folder : other).filePath("zone.tab")));
    QCOMPARE(TimeZoneKeys, keys);
    QCOMPARE(TimeZoneList.size(), keys.size());
    QCOMPARE(TimeZoneList.first().Display, OffsetDisplay(-TimeZoneList.first().Bias, keys.first()));
    // A prefetch serves one read: the next reads the file as it is then.
    TestFiles::write(folder.filePath("zone.tab"), "# nothing\n");
    QVERIFY(ReadTimeZones(folder.filePath("zone.tab")));
    QCOMPARE(TimeZoneKeys, QByteArrayList { "UTC" });
}

void TestTimeZoneCatalogue::localBias_data()
{
    QTest::addColumn<QByteArray>("tz");
    QTest::addColumn<qint32>("bias");
    QTest::newRow("Asia/Kolkata") << QByteArray("Asia/Kolkata") << -330;
    QTest::newRow("America/St_Johns") << QByteArray("America/St_Johns") << 210;
    QTest::newRow("UTC") << QByteArray("UTC") << 0;
    QTest::newRow("Europe/Paris") << QByteArray("Europe/Paris") << -60;
    QTest::newRow("America/Denver") << QByteArray("America/Denver") << 420;
    QTest::newRow("leading colon") << QByteArray(":Asia/Tokyo") << -540;
}

void TestTimeZoneCatalogue::localBias()
{
    QFETCH(QByteArray, tz);
    QFETCH(qint32, bias);
    ScopedEnvironment local("TZ", tz);
    // Minutes west of UTC, daylight saving left out.
    QCOMPARE(GetLocalBias(), bias);
}

void TestTimeZoneCatalogue::timeZoneAtRefusesIndicesOutsideTheCatalogue()
{
    QTemporaryDir folder;
    TestZones::writeZoneDatabase(folder.path(), smallZoneTab);
    QVERIFY(ReadTimeZones(folder.filePath("zone.tab")));
    QCOMPARE(TimeZoneKeyAt(1), QByteArray("Asia/Kolkata"));
    QCOMPARE(TimeZoneKeyAt(4), QByteArray("UTC"));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, TimeZoneKeyAt(5));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, TimeZoneKeyAt(-1));
}

QTEST_GUILESS_MAIN(TestTimeZoneCatalogue)
#include "tst_timezonecatalogue.moc"

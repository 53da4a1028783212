#include "timezones/NearSpelling.h"
#include "timezones/ZoneSearch.h"

#include <QTest>

namespace {

// A small database: zones in list order, a city in the user's language, their countries
// (one also in the user's language) and an old name, with comments, a line of another kind
// and a link named like a zone of its own (Busingen).
const QList<ZoneCandidate> candidates {
    { "America/Indiana/Knox", "(UTC-06:00) America/Indiana/Knox" },
    { "UTC", "(UTC+00:00) UTC" },
    { "Europe/Berlin", "(UTC+01:00) Europe/Berlin" },
    { "Europe/Busingen", "(UTC+01:00) Europe/Busingen" },
    { "Europe/Zurich", "(UTC+01:00) Europe/Zurich" },
    { "Asia/Colombo", "(UTC+05:30) Asia/Colombo" },
    { "Asia/Kolkata", "(UTC+05:30) Asia/Kolkata", "Kalkutta" },
    { "Indian/Chagos", "(UTC+06:00) Indian/Chagos" },
    { "Africa/Abidjan", "(UTC+00:00) Africa/Abidjan" },
    { "Europe/Mariehamn", "(UTC+02:00) Europe/Mariehamn" },
    { "America/Sao_Paulo", "(UTC-03:00) America/Sao_Paulo" },
    { "Atlantic/Faroe", "(UTC+00:00) Atlantic/Faroe" },
};
const ZoneOtherNames otherNames = zoneOtherNames(
    "# code\tcoordinates\tTZ\nIN\t+2232+08822\tAsia/Kolkata\nDE\t+5230+01322\tEurope/Berlin\n"
    "DE\t+4742+00841\tEurope/Busingen\tBusingen\nCH\t+4723+00832\tEurope/Zurich\nIO\t-0720+07225\tIndian/Chagos\n"
    "CI\t+0519-00402\tAfrica/Abidjan\nAX\t+6006+01957\tEurope/Mariehamn\nFO\t+6201-00646\tAtlantic/Faroe\n",
    "# ISO 3166\nIN\tIndia\nDE\tGermany\nCH\tSwitzerland\nIO\tBritish Indian Ocean Territory\n"
    "CI\tCôte d'Ivoire\nAX\tÅland Islands\nFO\tFøroyar\n",
    "Z Asia/Tokyo 9:18:59 - LMT 1887 D 31 15u\nL Asia/Kolkata Asia/Calcutta\nL Europe/Zurich Europe/Busingen\n",
    { { "DE", { "Deutschland", "Bundesrepublik Deutschland", "Germany" } } });

}

class TestZoneSearch : public QObject {
    Q_OBJECT

private slots:
    void typedTextFindsZonesBestFirst_data();
    void typedTextFindsZonesBestFirst();
    void editsBetween_data();
    void editsBetween();
    void slipsGrowWithTheLetters_data();
    void slipsGrowWithTheLetters();
};

void TestZoneSearch::typedTextFindsZonesBestFirst_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("found");
    QTest::newRow("city start") << "kolk" << QStringList { "Asia/Kolkata" };
    QTest::newRow("whole country, then starts, then inside")
        << "INDIA" << QStringList { "Asia/Kolkata India", "Indian/Chagos", "America/Indiana/Knox" };
    QTest::newRow("old name") << "calcutta" << QStringList { "Asia/Kolkata Asia/Calcutta" };
    QTest::newRow("a zone's own name is no old name") << "Busingen" << QStringList { "Europe/Busingen" };
    QTest::newRow("word of a country") << "ocean" << QStringList { "Indian/Chagos British Indian Ocean Territory" };
    QTest::newRow("English country start, shown in the user's language")
        << "germ" << QStringList { "Europe/Berlin Deutschland", "Europe/Busingen Deutschland" };
    QTest::newRow("country in the user's language")
        << "deutschland" << QStringList { "Europe/Berlin Deutschland", "Europe/Busingen Deutschland" };
    QTest::newRow("city in the user's language") << "kalk" << QStringList { "Asia/Kolkata" };
    QTest::newRow("inside a word of a country") << "many" << QStringList {};
    QTest::newRow("inside the identifier") << "pe/ber" << QStringList { "Europe/Berlin" };
    QTest::newRow("utc first, then every offset text") << "utc" << QStringList { "UTC",
                                                                                 "America/Indiana/Knox",
                                                                                 "Europe/Berlin",
                                                                                 "Europe/Busingen",
                                                                                 "Europe/Zurich",
                                                                                 "Asia/Colombo",
                                                                                 "Asia/Kolkata",
                                                                                 "Indian/Chagos",
                                                                                 "Africa/Abidjan",
                                                                                 "Europe/Mariehamn",
                                                                                 "America/Sao_Paulo",
                                                                                 "Atlantic/Faroe" };
    QTest::newRow("half-hour offset") << "+05:30" << QStringList { "Asia/Colombo", "Asia/Kolkata" };
    QTest::newRow("a city's start before the identifier's inside")
        << "ch" << QStringList { "Indian/Chagos", "Europe/Zurich" };
    QTest::newRow("accents of a country") << "cote d" << QStringList { "Africa/Abidjan Côte d'Ivoire" };
    QTest::newRow("accents and case") << "ALAND" << QStringList { "Europe/Mariehamn Åland Islands" };
    QTest::newRow("accents typed") << "São Paulo" << QStringList { "America/Sao_Paulo" };
    QTest::newRow("a letter of its own") << "foroy" << QStringList { "Atlantic/Faroe Føroyar" };
    QTest::newRow("a slip in a city") << "berln" << QStringList { "Europe/Berlin" };
    QTest::newRow("a slip in a country") << "germny"
                                         << QStringList { "Europe/Berlin Deutschland", "Europe/Busingen Deutschland" };
    QTest::newRow("two slips in an old name of seven letters")
        << "clacuta" << QStringList { "Asia/Kolkata Asia/Calcutta" };
    QTest::newRow("two slips in five letters are too many") << "kolkt" << QStringList {};
    QTest::newRow("no slips in three letters") << "brl" << QStringList {};
    QTest::newRow("a word of a city") << "paolo" << QStringList { "America/Sao_Paulo" };
}

void TestZoneSearch::typedTextFindsZonesBestFirst()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, found);
    QStringList matches;
    for (const ZoneMatch &match : rankZoneMatches(candidates, typed, otherNames))
        matches << (QString::fromUtf8(candidates.at(match.candidate).identifier) + u' ' + match.reason).trimmed();
    QCOMPARE(matches, found);
}

void TestZoneSearch::editsBetween_data()
{
    QTest::addColumn<QString>("row");
    // a | b | most edits looked for | edits found, most + 1 for more.
    for (const char *row : { "berlin|berlin|0|0", "berln|berlin|1|1", "barlin|berlin|1|1", "zuirch|zurich|1|1",
                             "clacuta|calcutta|2|2", "kitten|sitting|2|3", "|abc|2|3" })
        QTest::newRow(row) << QString(row);
}

void TestZoneSearch::editsBetween()
{
    QFETCH(QString, row);
    const QStringList column = row.split(u'|');
    QCOMPARE(::editsBetween(column[0], column[1], column[2].toInt()), column[3].toInt());
    QCOMPARE(::editsBetween(column[1], column[0], column[2].toInt()), column[3].toInt());
}

void TestZoneSearch::slipsGrowWithTheLetters_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("slips");
    for (const auto &[typed, slips] : { std::pair("ber", 0), std::pair("berl", 1), std::pair("berli", 1),
                                        std::pair("berlin", 2), std::pair("+05:30", 0), std::pair("berli5", 1) })
        QTest::newRow(typed) << QString(typed) << slips;
}

void TestZoneSearch::slipsGrowWithTheLetters()
{
    QFETCH(QString, typed);
    QFETCH(int, slips);
    QCOMPARE(slipsAllowedIn(typed), slips);
}

QTEST_GUILESS_MAIN(TestZoneSearch)
#include "tst_zonesearch.moc"

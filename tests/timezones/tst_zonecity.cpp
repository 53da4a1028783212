#include "timezones/ZoneCity.h"
#include "timezones/ZoneCityNames.h"

#include <QTest>

class TestZoneCity : public QObject {
    Q_OBJECT

private slots:
    void cityName_data();
    void cityName();
    void cityInLanguage_data();
    void cityInLanguage();
};

void TestZoneCity::cityName_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QString>("expected");
    QTest::newRow("area and city") << QByteArray("Europe/Berlin") << "Berlin";
    QTest::newRow("underscores") << QByteArray("America/New_York") << "New York";
    QTest::newRow("three parts") << QByteArray("America/Argentina/Buenos_Aires") << "Buenos Aires";
    QTest::newRow("hyphens kept") << QByteArray("America/Port-au-Prince") << "Port-au-Prince";
    QTest::newRow("no area") << QByteArray("UTC") << "UTC";
}

void TestZoneCity::cityName()
{
    QFETCH(QByteArray, zone);
    QFETCH(QString, expected);
    QCOMPARE(zoneCityName(zone), expected);
}

void TestZoneCity::cityInLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QString>("expected");
    QTest::newRow("English name of a city") << "en" << QByteArray("Asia/Ho_Chi_Minh") << "Ho Chi Minh City";
    QTest::newRow("accents") << "de" << QByteArray("America/Sao_Paulo") << "São Paulo";
    QTest::newRow("German name, of an identifier ICU keeps under its old one")
        << "de" << QByteArray("Asia/Kolkata") << "Kalkutta";
    QTest::newRow("Japanese") << "ja" << QByteArray("Europe/Berlin") << "ベルリン";
    QTest::newRow("no city") << "de" << QByteArray("UTC") << "UTC";
    QTest::newRow("unknown zone") << "de" << QByteArray("Mars/Olympus_Mons") << "Olympus Mons";
}

void TestZoneCity::cityInLanguage()
{
    QFETCH(QString, language);
    QFETCH(QByteArray, zone);
    QFETCH(QString, expected);
    ZoneCityNames names { QLocale(language) };
    QCOMPARE(names.city(zone), expected);
}

QTEST_GUILESS_MAIN(TestZoneCity)
#include "tst_zonecity.moc"

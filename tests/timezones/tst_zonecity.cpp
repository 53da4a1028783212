#include "timezones/ZoneCity.h"

#include <QTest>

class TestZoneCity : public QObject {
    Q_OBJECT

private slots:
    void cityName_data();
    void cityName();
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

QTEST_GUILESS_MAIN(TestZoneCity)
#include "tst_zonecity.moc"

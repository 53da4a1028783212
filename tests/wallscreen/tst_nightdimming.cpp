#include "wallscreen/NightDimming.h"

#include <QTest>

class TestNightDimming : public QObject {
    Q_OBJECT

private slots:
    void brightness_data();
    void brightness();
};

void TestNightDimming::brightness_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QTime>("to");
    QTest::addColumn<QTime>("time");
    QTest::addColumn<int>("expected");
    const QTime seven(7, 0);
    QTest::newRow("off") << "" << seven << QTime(23, 0) << 100;
    // 22:00 to 07:00 crosses midnight.
    QTest::newRow("night: just before the start") << "22:00" << seven << QTime(21, 59, 59, 999) << 100;
    QTest::newRow("night: at the start") << "22:00" << seven << QTime(22, 0) << 30;
    QTest::newRow("night: before midnight") << "22:00" << seven << QTime(23, 59, 59) << 30;
    QTest::newRow("night: at midnight") << "22:00" << seven << QTime(0, 0) << 30;
    QTest::newRow("night: early morning") << "22:00" << seven << QTime(6, 59, 59, 999) << 30;
    QTest::newRow("night: at the end") << "22:00" << seven << QTime(7, 0) << 100;
    QTest::newRow("night: noon") << "22:00" << seven << QTime(12, 0) << 100;
    // 01:00 to 05:00 stays within one day.
    QTest::newRow("small hours: before") << "01:00" << QTime(5, 0) << QTime(0, 59) << 100;
    QTest::newRow("small hours: at the start") << "01:00" << QTime(5, 0) << QTime(1, 0) << 30;
    QTest::newRow("small hours: inside") << "01:00" << QTime(5, 0) << QTime(3, 30) << 30;
    QTest::newRow("small hours: at the end") << "01:00" << QTime(5, 0) << QTime(5, 0) << 100;
    QTest::newRow("small hours: evening") << "01:00" << QTime(5, 0) << QTime(23, 0) << 100;
    QTest::newRow("start equals end: empty") << "07:00" << seven << QTime(7, 0) << 100;
    QTest::newRow("start equals end: empty at night") << "07:00" << seven << QTime(3, 0) << 100;
    QTest::newRow("to midnight: last second") << "20:00" << QTime(0, 0) << QTime(23, 59, 59) << 30;
    QTest::newRow("to midnight: at midnight") << "20:00" << QTime(0, 0) << QTime(0, 0) << 100;
}

void TestNightDimming::brightness()
{
    QFETCH(QString, from);
    QFETCH(QTime, to);
    QFETCH(QTime, time);
    QFETCH(int, expected);
    NightDimming dimming;
    if (!from.isEmpty())
        dimming.from = QTime::fromString(from, QStringLiteral("HH:mm"));
    dimming.to = to;
    dimming.level = 30;
    QCOMPARE(dimming.isOn(), !from.isEmpty());
    QCOMPARE(dimming.brightnessAt(time), expected);
    QCOMPARE(dimming.dimsAt(time), expected != 100);
}

QTEST_GUILESS_MAIN(TestNightDimming)
#include "tst_nightdimming.moc"

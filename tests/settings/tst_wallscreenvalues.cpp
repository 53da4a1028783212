#include "settings/WallScreenValues.h"

#include <QTest>

#include <optional>

Q_DECLARE_METATYPE(std::optional<bool>)
Q_DECLARE_METATYPE(std::optional<QTime>)
Q_DECLARE_METATYPE(std::optional<int>)

class TestWallScreenValues : public QObject {
    Q_OBJECT

private slots:
    void onOff_data();
    void onOff();
    void clockTime_data();
    void clockTime();
    void clockTimeText_data();
    void clockTimeText();
    void dimLevel_data();
    void dimLevel();
};

void TestWallScreenValues::onOff_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<bool>>("expected");
    QTest::newRow("On") << "On" << std::optional<bool>(true);
    QTest::newRow("Off") << "Off" << std::optional<bool>(false);
    QTest::newRow("lower-case on") << "on" << std::optional<bool>();
    QTest::newRow("upper-case OFF") << "OFF" << std::optional<bool>();
    QTest::newRow("empty") << "" << std::optional<bool>();
    QTest::newRow("True") << "True" << std::optional<bool>();
    QTest::newRow("1") << "1" << std::optional<bool>();
    QTest::newRow("On with a space") << "On " << std::optional<bool>();
}

void TestWallScreenValues::onOff()
{
    QFETCH(QString, text);
    QFETCH(std::optional<bool>, expected);
    QCOMPARE(WallScreenValues::toOnOff(text), expected);
}

void TestWallScreenValues::clockTime_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<QTime>>("expected");
    QTest::newRow("midnight") << "00:00" << std::optional<QTime>(QTime(0, 0));
    QTest::newRow("evening") << "22:30" << std::optional<QTime>(QTime(22, 30));
    QTest::newRow("last minute") << "23:59" << std::optional<QTime>(QTime(23, 59));
    QTest::newRow("spaces around") << " 07:05 " << std::optional<QTime>(QTime(7, 5));
    QTest::newRow("hour 24") << "24:00" << std::optional<QTime>();
    QTest::newRow("minute 60") << "12:60" << std::optional<QTime>();
    QTest::newRow("one-digit hour") << "7:00" << std::optional<QTime>();
    QTest::newRow("with seconds") << "07:00:00" << std::optional<QTime>();
    QTest::newRow("dot") << "07.00" << std::optional<QTime>();
    QTest::newRow("AM suffix") << "07:00 AM" << std::optional<QTime>();
    QTest::newRow("negative") << "-1:00" << std::optional<QTime>();
    QTest::newRow("Arabic-Indic digits") << QString::fromUtf8("\u0660\u0667:\u0660\u0660") << std::optional<QTime>();
    QTest::newRow("empty") << "" << std::optional<QTime>();
    QTest::newRow("word") << "late" << std::optional<QTime>();
}

void TestWallScreenValues::clockTime()
{
    QFETCH(QString, text);
    QFETCH(std::optional<QTime>, expected);
    QCOMPARE(WallScreenValues::toClockTime(text), expected);
}

void TestWallScreenValues::clockTimeText_data()
{
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QString>("expected");
    QTest::newRow("midnight") << QTime(0, 0) << "00:00";
    QTest::newRow("morning") << QTime(7, 5) << "07:05";
    QTest::newRow("seconds dropped") << QTime(22, 30, 59) << "22:30";
}

void TestWallScreenValues::clockTimeText()
{
    QFETCH(QTime, time);
    QFETCH(QString, expected);
    const QString text = WallScreenValues::clockTimeText(time);
    QCOMPARE(text, expected);
    // What is written reads back as the same minute.
    QCOMPARE(WallScreenValues::toClockTime(text), std::optional<QTime>(QTime(time.hour(), time.minute())));
}

void TestWallScreenValues::dimLevel_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<int>>("expected");
    QTest::newRow("lowest") << "5" << std::optional<int>(5);
    QTest::newRow("middle") << "30" << std::optional<int>(30);
    QTest::newRow("highest") << "100" << std::optional<int>(100);
    QTest::newRow("below") << "4" << std::optional<int>();
    QTest::newRow("zero") << "0" << std::optional<int>();
    QTest::newRow("above") << "101" << std::optional<int>();
    QTest::newRow("negative") << "-30" << std::optional<int>();
    QTest::newRow("fraction") << "30.5" << std::optional<int>();
    QTest::newRow("percent sign") << "30%" << std::optional<int>();
    QTest::newRow("huge") << "99999999999999999999" << std::optional<int>();
    QTest::newRow("empty") << "" << std::optional<int>();
    QTest::newRow("word") << "dim" << std::optional<int>();
}

void TestWallScreenValues::dimLevel()
{
    QFETCH(QString, text);
    QFETCH(std::optional<int>, expected);
    QCOMPARE(WallScreenValues::toDimLevel(text), expected);
}

QTEST_GUILESS_MAIN(TestWallScreenValues)
#include "tst_wallscreenvalues.moc"

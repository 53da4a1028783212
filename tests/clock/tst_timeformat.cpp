#include "clock/TimeFormat.h"

#include <QTest>

using TimeFormat::ClockFormat;

class TestTimeFormat : public QObject {
    Q_OBJECT

private slots:
    void format_data();
    void format();
    void shiftedTimeOfDay_data();
    void shiftedTimeOfDay();
    void centredX_data();
    void centredX();
    void msecsToNextChange_data();
    void msecsToNextChange();
};

void TestTimeFormat::format_data()
{
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QString>("withSeconds");
    QTest::addColumn<QString>("withoutSeconds");
    QTest::addColumn<QString>("twentyFourHour");
    QTest::addColumn<QString>("twentyFourHourSeconds");
    QTest::newRow("midnight") << QTime(0, 0) << "12:00:00 AM"
                              << "12:00 AM"
                              << "00:00"
                              << "00:00:00";
    QTest::newRow("half past midnight") << QTime(0, 30) << "12:30:00 AM"
                                        << "12:30 AM"
                                        << "00:30"
                                        << "00:30:00";
    QTest::newRow("last second of the morning") << QTime(11, 59, 59) << "11:59:59 AM"
                                                << "11:59 AM"
                                                << "11:59"
                                                << "11:59:59";
    QTest::newRow("noon") << QTime(12, 0) << "12:00:00 PM"
                          << "12:00 PM"
                          << "12:00"
                          << "12:00:00";
    QTest::newRow("afternoon") << QTime(13, 5) << "01:05:00 PM"
                               << "01:05 PM"
                               << "13:05"
                               << "13:05:00";
    QTest::newRow("last second of the day") << QTime(23, 59, 59, 999) << "11:59:59 PM"
                                            << "11:59 PM"
                                            << "23:59"
                                            << "23:59:59";
}

void TestTimeFormat::format()
{
    QFETCH(QTime, time);
    QFETCH(QString, withSeconds);
    QFETCH(QString, withoutSeconds);
    QFETCH(QString, twentyFourHour);
    QFETCH(QString, twentyFourHourSeconds);
    const DayHalfMarkers english = DayHalfMarkers::of(QLocale::c());
    QCOMPARE(TimeFormat::format(time, ClockFormat::HoursMinutesSecondsAmPm, english), withSeconds);
    QCOMPARE(TimeFormat::format(time, ClockFormat::HoursMinutesAmPm, english), withoutSeconds);
    QCOMPARE(TimeFormat::format(time, ClockFormat::HoursMinutes, english), twentyFourHour);
    QCOMPARE(TimeFormat::format(time, ClockFormat::HoursMinutesSeconds, english), twentyFourHourSeconds);
    QCOMPARE(TimeFormat::format(time, ClockFormat::None, english), QString());
}

void TestTimeFormat::shiftedTimeOfDay_data()
{
    QTest::addColumn<QTime>("local");
    QTest::addColumn<int>("minutes");
    QTest::addColumn<QTime>("shown");
    QTest::newRow("back across midnight") << QTime(1, 30) << -120 << QTime(23, 30);
    QTest::newRow("forward across midnight") << QTime(23, 0) << 90 << QTime(0, 30);
    QTest::newRow("a whole day forward") << QTime(8, 15, 42) << 1440 << QTime(8, 15, 42);
    QTest::newRow("a whole day back") << QTime(8, 15, 42) << -1440 << QTime(8, 15, 42);
    QTest::newRow("an hour forward at half past eleven") << QTime(23, 30) << 60 << QTime(0, 30);
    QTest::newRow("an hour back at ten past midnight") << QTime(0, 10) << -60 << QTime(23, 10);
    QTest::newRow("seconds and milliseconds kept") << QTime(10, 0, 7, 250) << 330 << QTime(15, 30, 7, 250);
    QTest::newRow("several days back") << QTime(2, 0) << -3 * 1440 - 180 << QTime(23, 0);
}

void TestTimeFormat::shiftedTimeOfDay()
{
    QFETCH(QTime, local);
    QFETCH(int, minutes);
    QFETCH(QTime, shown);
    QCOMPARE(TimeFormat::shiftedTimeOfDay(local, minutes), shown);
}

void TestTimeFormat::centredX_data()
{
    QTest::addColumn<double>("strip");
    QTest::addColumn<double>("text");
    QTest::addColumn<int>("x");
    QTest::newRow("even widths") << 1920.0 << 1000.0 << 460;
    QTest::newRow("odd strip") << 1921.0 << 1000.0 << 460;
    QTest::newRow("odd text") << 1920.0 << 1001.0 << 460;
    QTest::newRow("both odd") << 1919.0 << 999.0 << 460;
    QTest::newRow("strip half rounds to even, down") << 1920.5 << 1000.0 << 460;
    QTest::newRow("text half rounds to even, up") << 1920.0 << 1001.5 << 459;
    QTest::newRow("text wider than the strip") << 800.0 << 1500.0 << -350;
    QTest::newRow("odd negative halves toward zero") << 800.0 << 1501.0 << -350;
    QTest::newRow("empty text") << 1366.0 << 0.0 << 683;
}

void TestTimeFormat::centredX()
{
    QFETCH(double, strip);
    QFETCH(double, text);
    QFETCH(int, x);
    QCOMPARE(TimeFormat::centredX(strip, text), x);
}

void TestTimeFormat::msecsToNextChange_data()
{
    QTest::addColumn<QTime>("now");
    QTest::addColumn<ClockFormat>("format");
    QTest::addColumn<int>("wait");
    QTest::newRow("seconds, on the second waits a whole second")
        << QTime(10, 0, 0) << ClockFormat::HoursMinutesSecondsAmPm << 1000;
    QTest::newRow("seconds, just after") << QTime(10, 0, 0, 1) << ClockFormat::HoursMinutesSecondsAmPm << 999;
    QTest::newRow("seconds, just before") << QTime(10, 0, 59, 999) << ClockFormat::HoursMinutesSecondsAmPm << 1;
    QTest::newRow("seconds, before midnight") << QTime(23, 59, 59, 400) << ClockFormat::HoursMinutesSecondsAmPm << 600;
    QTest::newRow("24-hour seconds, mid second") << QTime(23, 59, 59, 400) << ClockFormat::HoursMinutesSeconds << 600;
    QTest::newRow("12-hour minutes, on the minute waits a whole minute")
        << QTime(10, 0) << ClockFormat::HoursMinutesAmPm << 60000;
    QTest::newRow("12-hour minutes, mid minute") << QTime(10, 0, 42, 370) << ClockFormat::HoursMinutesAmPm << 17630;
    QTest::newRow("24-hour, last millisecond of the minute") << QTime(10, 0, 59, 999) << ClockFormat::HoursMinutes << 1;
    QTest::newRow("24-hour, before midnight") << QTime(23, 59, 30) << ClockFormat::HoursMinutes << 30000;
    QTest::newRow("no format, as the minute formats") << QTime(10, 0, 1) << ClockFormat::None << 59000;
}

void TestTimeFormat::msecsToNextChange()
{
    QFETCH(QTime, now);
    QFETCH(TimeFormat::ClockFormat, format);
    QFETCH(int, wait);
    QCOMPARE(TimeFormat::msecsToNextChange(now, format), wait);
}

QTEST_GUILESS_MAIN(TestTimeFormat)
#include "tst_timeformat.moc"

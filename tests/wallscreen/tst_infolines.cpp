#include "wallscreen/InfoLines.h"

#include "wallscreen/ClockChangeNotice.h"

#include <QTest>
#include <QTimeZone>

class TestInfoLines : public QObject {
    Q_OBJECT

private slots:
    void shownDate_data();
    void shownDate();
    void text_data();
    void text();
    void clockChangeNotice_data();
    void clockChangeNotice();
};

void TestInfoLines::shownDate_data()
{
    QTest::addColumn<QDateTime>("local");
    QTest::addColumn<int>("minutes");
    QTest::addColumn<QDate>("expected");
    const QTimeZone berlin("Europe/Berlin");
    QTest::newRow("same day") << QDateTime(QDate(2026, 1, 15), QTime(13, 5), berlin) << 60 << QDate(2026, 1, 15);
    QTest::newRow("east past midnight") << QDateTime(QDate(2026, 1, 15), QTime(23, 0), berlin) << 90
                                        << QDate(2026, 1, 16);
    QTest::newRow("west before midnight")
        << QDateTime(QDate(2026, 1, 1), QTime(1, 30), berlin) << -120 << QDate(2025, 12, 31);
    QTest::newRow("leap day") << QDateTime(QDate(2028, 2, 28), QTime(22, 0), berlin) << 180 << QDate(2028, 2, 29);
    // 02:30 does not exist in Berlin on 29 March 2026; the sum is taken on the wall clock.
    QTest::newRow("across the computer's spring gap")
        << QDateTime(QDate(2026, 3, 28), QTime(23, 0), berlin) << 210 << QDate(2026, 3, 29);
}

void TestInfoLines::shownDate()
{
    QFETCH(QDateTime, local);
    QFETCH(int, minutes);
    QFETCH(QDate, expected);
    QCOMPARE(InfoLines::shownDate(local, minutes), expected);
}

void TestInfoLines::text_data()
{
    QTest::addColumn<bool>("showDate");
    QTest::addColumn<bool>("showZone");
    QTest::addColumn<InfoLines::DateFormat>("format");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("expected");
    const auto Long = InfoLines::DateFormat::Long;
    QTest::newRow("neither") << false << false << Long << "en_GB"
                             << "";
    QTest::newRow("date, British") << true << false << Long << "en_GB"
                                   << "Thursday, 15 January 2026";
    QTest::newRow("date, American") << true << false << Long << "en_US"
                                    << "Thursday, January 15, 2026";
    QTest::newRow("date, German") << true << false << Long << "de_DE"
                                  << "Donnerstag, 15. Januar 2026";
    QTest::newRow("short, British") << true << false << InfoLines::DateFormat::Short << "en_GB"
                                    << "15/01/2026";
    QTest::newRow("short, German") << true << false << InfoLines::DateFormat::Short << "de_DE"
                                   << "15.01.26";
    QTest::newRow("ISO, whatever the locale") << true << false << InfoLines::DateFormat::Iso << "de_DE"
                                              << "2026-01-15";
    QTest::newRow("zone") << false << true << Long << "en_GB"
                          << "New York";
    QTest::newRow("both") << true << true << Long << "en_GB"
                          << "Thursday, 15 January 2026\nNew York";
}

void TestInfoLines::text()
{
    QFETCH(bool, showDate);
    QFETCH(bool, showZone);
    QFETCH(InfoLines::DateFormat, format);
    QFETCH(QString, locale);
    QFETCH(QString, expected);
    QCOMPARE(
        InfoLines::text(QDate(2026, 1, 15), format, QStringLiteral("New York"), showDate, showZone, QLocale(locale)),
        expected);
}

void TestInfoLines::clockChangeNotice_data()
{
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<QDateTime>("change");
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("after");
    QTest::addColumn<QString>("expected");
    const auto utc
        = [](int month, int day, int hour) { return QDateTime(QDate(2026, month, day), QTime(hour, 0), Qt::UTC); };
    // Berlin: forward at 02:00 on Sunday 29 March, back at 03:00 on Sunday 25 October.
    const QDateTime spring = utc(3, 29, 1);
    QTest::newRow("Saturday morning") << utc(3, 28, 2) << spring << 3600 << 7200
                                      << "Clocks go forward 1 hour on Sunday at 02:00";
    QTest::newRow("Saturday evening") << utc(3, 28, 19) << spring << 3600 << 7200
                                      << "Clocks go forward 1 hour tonight at 02:00";
    QTest::newRow("more than a day ahead") << utc(3, 28, 0) << spring << 3600 << 7200 << "";
    QTest::newRow("once it happened") << spring << spring << 3600 << 7200 << "";
    QTest::newRow("autumn") << utc(10, 24, 8) << utc(10, 25, 1) << 7200 << 3600
                            << "Clocks go back 1 hour on Sunday at 03:00";
    // Lord Howe Island goes back half an hour at 02:00 on Sunday 5 April.
    QTest::newRow("half an hour") << utc(4, 4, 2) << utc(4, 4, 15) << 39600 << 37800
                                  << "Clocks go back 30 minutes tonight at 02:00";
}

void TestInfoLines::clockChangeNotice()
{
    QFETCH(QDateTime, now);
    QFETCH(QDateTime, change);
    QFETCH(int, before);
    QFETCH(int, after);
    QFETCH(QString, expected);
    QCOMPARE(ClockChangeNotice::text(now.toSecsSinceEpoch(), change.toSecsSinceEpoch(), before, after, QLocale::c()),
             expected);
}

QTEST_GUILESS_MAIN(TestInfoLines)
#include "tst_infolines.moc"

#include "wallscreen/InfoLines.h"

#include "settings/FirstRunFormat.h"
#include "settings/SettingsStore.h"
#include "support/TestFiles.h"
#include "wallscreen/ClockChangeNotice.h"

#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>
#include <QTranslator>

class TestInfoLines : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(mEnglishPlurals.load(QStringLiteral(":/translations/lumetra_en.qm"))
                && QCoreApplication::installTranslator(&mEnglishPlurals));
    }
    void shownDate_data();
    void shownDate();
    void text_data();
    void text();
    void conventionsByLocale_data();
    void conventionsByLocale();
    void noticeByZone_data();
    void noticeByZone();

private:
    QTranslator mEnglishPlurals;
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

// A first run's clock in each locale, its markers after a 12-hour time, and the line that
// announces a change on that clock. The clock shows UTC until the change, on Sunday 29 March
// 2026 unless it comes at a later hour; the user's or the site's format wins over the locale's.
void TestInfoLines::conventionsByLocale_data()
{
    for (const char *column : { "locale", "user", "site", "markers", "notice" })
        QTest::addColumn<QString>(column);
    QTest::addColumn<bool>("twentyFourHour");
    QTest::addColumn<QList<int>>("nowChangeAndOffset");
    const QString english(" AM/ PM");
    const auto row = [&](const char *name, const char *locale, bool twentyFourHour, const QString &markers,
                         const QList<int> &hours, const char *notice, const char *user = "", const char *site = "") {
        QTest::newRow(name) << locale << user << site << markers << notice << twentyFourHour << hours;
    };
    row("American", "en_US", false, english, { -5, 2, 3600 },
        "Clocks go forward 1 hour tonight: 2:00 AM becomes 3:00 AM");
    row("C", "C", false, english, { -20, 2, 3600 }, "Clocks go forward 1 hour on Sunday: 2:00 AM becomes 3:00 AM");
    row("POSIX", "POSIX", false, english, { 9, 13, -1800 },
        "Clocks go back 30 minutes today: 1:00 PM becomes 12:30 PM");
    row("British", "en_GB", true, english, { -5, 0, -3600 }, "Clocks go back 1 hour tonight: midnight becomes 23:00");
    row("German", "de_DE", true, english, { -20, 3, -3600 }, "Clocks go back 1 hour on Sunday: 03:00 becomes 02:00");
    row("French", "fr_FR", true, english, { 9, 14, 5400 },
        "Clocks go forward 1 hour 30 minutes today: 14:00 becomes 15:30");
    row("Japanese", "ja_JP", true, " 午前/ 午後", { -5, 2, 7200 },
        "Clocks go forward 2 hours tonight: 2:00 becomes 4:00");
    row("Chinese, once it happened", "zh_CN", true, " 上午/ 下午", { 1, 0, 60 },
        "Clocks went forward 1 minute at midnight");
    row("Brazilian", "pt_BR", true, english, { -22, 2, 60 },
        "Clocks go forward 1 minute on Sunday: 02:00 becomes 02:01");
    row("Russian, a day ahead", "ru_RU", true, english, { -22, 3, -7200 }, "");
    row("Korean", "ko_KR", false, "오전 /오후 ", { 9, 23, 3600 },
        "Clocks go forward 1 hour today: 오후 11:00 becomes midnight");
    row("German, the user's choice", "de_DE", false, english, { -5, 2, 3600 },
        "Clocks go forward 1 hour tonight: 2:00 AM becomes 3:00 AM", "Option1=True");
    row("German, the site's", "de_DE", false, english, { 9, 13, 60 },
        "Clocks go forward 1 minute today: 1:00 PM becomes 1:01 PM", "", "Option2=True");
}

void TestInfoLines::conventionsByLocale()
{
    QFETCH(QString, locale);
    QFETCH(QString, user);
    QFETCH(QString, site);
    QFETCH(QString, markers);
    QFETCH(QString, notice);
    QFETCH(bool, twentyFourHour);
    QFETCH(QList<int>, nowChangeAndOffset);
    QTemporaryDir files;
    TestFiles::write(files.filePath("user.ini"), "[General]\n" + user.toUtf8());
    TestFiles::write(files.filePath("site.ini"), "[General]\n" + site.toUtf8());
    const SettingsStore store([](const QString &) {}, files.filePath("user.ini"), { files.filePath("site.ini") });
    const QLocale pinned(locale);
    QCOMPARE(FirstRunFormat::startsTwentyFourHour(store, pinned), twentyFourHour);
    const DayHalfMarkers dayHalves = DayHalfMarkers::of(pinned);
    QCOMPARE(dayHalves.am + u'/' + dayHalves.pm, markers);
    const qint64 sunday = QDateTime(QDate(2026, 3, 29), QTime(0, 0), Qt::UTC).toSecsSinceEpoch();
    const ClockChangeNotice::Change change { sunday + nowChangeAndOffset[1] * 3600, 0, nowChangeAndOffset[2] };
    QCOMPARE(ClockChangeNotice::text(sunday + nowChangeAndOffset[0] * 3600, change,
                                     ClockTimeText(!twentyFourHour, dayHalves)),
             notice);
}

// The line for a zone's changes as its file on this computer gives them, on either clock.
void TestInfoLines::noticeByZone_data()
{
    for (const char *column : { "zone", "utc", "expected" })
        QTest::addColumn<QString>(column);
    QTest::addColumn<bool>("twelveHour");
    const auto row = [](const char *zone, const char *utc, bool twelveHour, const char *expected) {
        QTest::addRow("%s %s%s", zone, utc, twelveHour ? " 12-hour" : "") << zone << utc << expected << twelveHour;
    };
    // Berlin changes at 01:00 UTC on 29 March and 25 October; New York at 07:00 UTC on 8 March.
    row("Europe/Berlin", "2026-03-28T19:00Z", false, "Clocks go forward 1 hour tonight: 02:00 becomes 03:00");
    row("Europe/Berlin", "2026-03-28T19:00Z", true, "Clocks go forward 1 hour tonight: 2:00 AM becomes 3:00 AM");
    row("Europe/Berlin", "2026-10-24T08:00Z", false, "Clocks go back 1 hour on Sunday: 03:00 becomes 02:00");
    row("Europe/Berlin", "2026-10-25T12:59Z", false, "Clocks went back 1 hour at 03:00");
    row("Europe/Berlin", "2026-10-25T13:01Z", false, "");
    row("America/New_York", "2026-03-08T06:00Z", true, "Clocks go forward 1 hour tonight: 2:00 AM becomes 3:00 AM");
    // Lord Howe Island: half an hour, at 15:00 UTC on 4 April and 15:30 UTC on 3 October.
    row("Australia/Lord_Howe", "2026-04-04T08:00Z", false, "Clocks go back 30 minutes tonight: 02:00 becomes 01:30");
    row("Australia/Lord_Howe", "2026-10-03T16:00Z", true, "Clocks went forward 30 minutes at 2:00 AM");
    // Havana changes at midnight in spring and to midnight in autumn, Santiago at the
    // midnight before Sunday 5 April.
    row("America/Havana", "2026-03-08T01:00Z", true, "Clocks go forward 1 hour tonight: midnight becomes 1:00 AM");
    row("America/Havana", "2026-03-08T10:00Z", false, "Clocks went forward 1 hour at midnight");
    row("America/Havana", "2026-10-31T23:00Z", false, "Clocks go back 1 hour tonight: 01:00 becomes midnight");
    row("America/Santiago", "2026-04-04T21:00Z", false, "Clocks go back 1 hour tonight: midnight becomes 23:00");
    row("America/Santiago", "2026-04-05T03:30Z", true, "Clocks went back 1 hour at midnight");
}

void TestInfoLines::noticeByZone()
{
    QFETCH(QString, zone);
    QFETCH(QString, utc);
    QFETCH(bool, twelveHour);
    const QLocale american("en_US");
    const qint64 instant = QDateTime::fromString(utc, Qt::ISODate).toSecsSinceEpoch();
    QTEST(ClockChangeNotice::text(instant, ZoneTime::OffsetKeeper(zone.toLatin1()),
                                  ClockTimeText(twelveHour, DayHalfMarkers::of(american))),
          "expected");
}

QTEST_GUILESS_MAIN(TestInfoLines)
#include "tst_infolines.moc"

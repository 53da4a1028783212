#include "support/TestZones.h"
#include "wallscreen/SpokenClock.h"
#include "wallscreen/ZoneDifference.h"

#include <QTest>

class TestZoneDifference : public QObject {
    Q_OBJECT

private slots:
    void atInstant_data();
    void atInstant();
    void spokenClockReadsEachZonesDifference_data();
    void spokenClockReadsEachZonesDifference();
};

void TestZoneDifference::atInstant_data()
{
    // Clock's zone | other zone | instant | difference | day | day or night there.
    // New York springs forward at 07:00 UTC on 8 March 2026, London at 01:00 UTC on 29 March.
    QTest::addColumn<QStringList>("row");
    for (const char *row : { "Europe/Berlin|Asia/Kolkata|2026-01-15T12:00:00Z|+4:30||day",
                             "Europe/Berlin|Asia/Kolkata|2026-07-15T12:30:00Z|+3:30||night",
                             "Asia/Kolkata|Asia/Kathmandu|2026-04-01T00:20:00Z|+0:15||day",
                             "Asia/Kathmandu|Asia/Kolkata|2026-04-01T18:20:00Z|\u22120:15|Yesterday|night",
                             "America/New_York|Asia/Kolkata|2026-01-15T20:00:00Z|+10:30|Tomorrow|night",
                             "Asia/Kolkata|America/New_York|2026-01-15T20:00:00Z|\u221210:30|Yesterday|day",
                             "UTC|Australia/Adelaide|2026-01-15T14:00:00Z|+10:30|Tomorrow|night",
                             "UTC|Australia/Adelaide|2026-07-15T14:00:00Z|+9:30||night",
                             "Europe/London|America/New_York|2026-03-08T06:59:00Z|\u22125 h||night",
                             "Europe/London|America/New_York|2026-03-08T07:00:00Z|\u22124 h||night",
                             "Europe/London|America/New_York|2026-03-29T00:59:00Z|\u22124 h|Yesterday|night",
                             "Europe/London|America/New_York|2026-03-29T01:00:00Z|\u22125 h|Yesterday|night",
                             "America/Los_Angeles|Asia/Tokyo|2026-10-31T23:00:00Z|+16 h|Tomorrow|day",
                             "Europe/Paris|Europe/Berlin|2026-10-25T00:59:00Z|±0||night",
                             "UTC|Pacific/Chatham|2026-01-15T04:14:00Z|+13:45||day",
                             "Pacific/Pago_Pago|Pacific/Kiritimati|2026-01-15T10:30:00Z|+25 h|Fri|night",
                             "UTC|UTC|2026-06-01T05:59:00Z|±0||night",
                             "UTC|UTC|2026-06-01T06:00:00Z|±0||day",
                             "UTC|UTC|2026-06-01T17:59:00Z|±0||day",
                             "UTC|UTC|2026-06-01T18:00:00Z|±0||night" })
        QTest::newRow(row) << QString::fromUtf8(row).split(u'|');
}

void TestZoneDifference::atInstant()
{
    QFETCH(QStringList, row);
    const QDateTime instant = QDateTime::fromString(row[2], Qt::ISODate);
    const int clockOffset = TestZones::offsetAt(row[0].toUtf8(), instant);
    const QDateTime there = instant.toOffsetFromUtc(TestZones::offsetAt(row[1].toUtf8(), instant));
    QCOMPARE(ZoneDifference::text((there.offsetFromUtc() - clockOffset) / 60), row[3]);
    QCOMPARE(ZoneDifference::dayText(there.date(), instant.toOffsetFromUtc(clockOffset).date(), QLocale::c()), row[4]);
    QCOMPARE(ZoneDifference::isNight(there.time()), row[5] == u"night");
}

void TestZoneDifference::spokenClockReadsEachZonesDifference_data()
{
    QTest::addColumn<QString>("infoLines");
    QTest::addColumn<QString>("spoken");
    const QString zones = "\nTokyo 3:54 PM Tomorrow \u00b7 +9 h\nKolkata 12:24 PM +3:30";
    QTest::newRow("with the lines under the time") << "Thursday\nBerlin"
                                                   << "6:54 AM\nThursday\nBerlin" + zones;
    QTest::newRow("without") << ""
                             << "6:54 AM" + zones;
}

void TestZoneDifference::spokenClockReadsEachZonesDifference()
{
    QFETCH(QString, infoLines);
    QFETCH(QString, spoken);
    const QList<ZoneFace> zones { { "Tokyo", "3:54 PM", "Tomorrow \u00b7 +9 h" }, { "Kolkata", "12:24 PM", "+3:30" } };
    QCOMPARE(spokenClock(" 6:54 AM ", infoLines, zones), spoken);
}

QTEST_MAIN(TestZoneDifference)
#include "tst_zonedifference.moc"

#include "clock/ClockWindow.h"
#include "clock/Form2.h"
#include "clock/OtherZoneClocks.h"
#include "drawing/TimeStrip.h"
#include "support/ClockFixture.h"
#include "timezones/modTimeZones.h"
#include "wallscreen/BurnInPath.h"
#include "wallscreen/OtherZoneList.h"
#include "wallscreen/OtherZonesLayout.h"
#include "wallscreen/OtherZonesView.h"
#include "wallscreen/WallScreenMenu.h"
#include "zonechoice/OtherZonesWindow.h"
#include "zonechoice/ZonePicker.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {
// Thursday 15 January 2026; the computer is on UTC.
const QDateTime thursday(QDate(2026, 1, 15), QTime(10, 30, 42), Qt::UTC);

void addRows(std::initializer_list<const char *> rows)
{
    QTest::addColumn<QStringList>("row");
    for (const char *row : rows)
        QTest::newRow(row) << QString(row).split(u'|');
}
}

class TestOtherZones : public QObject {
    Q_OBJECT

private slots:
    void storedList_data();
    void storedList();
    void layout_data();
    void layout();
    void faces_data();
    void faces();
    void changesAreStored_data();
    void changesAreStored();
    void zonesShowUnderTheTimeAndMoveAndDimWithIt();
    void groupsStayApartAndDifferencesFit_data();
    void groupsStayApartAndDifferencesFit();
};

void TestOtherZones::storedList_data()
{
    // Stored | edited to | shown | stored after the edit ("No/" zones are unknown). A label
    // keeps its escaped ',', '=' and '%', and no blanks at its ends; any other '%' stays; it
    // is one line of plain text (no controls nor direction overrides) of at most 40 units.
    addRows({ " Asia/Tokyo , ,UTC,Asia/Tokyo|UTC|Asia/Tokyo,UTC|UTC",
              "No/A=Old,UTC= a%2Cb%3D%25 ,=X|UTC=Head office|UTC=a%2Cb%3D%25|UTC=Head office,No/A=Old",
              "No/A,UTC,No/B|UTC,Asia/Tokyo|UTC|UTC,Asia/Tokyo,No/A,No/B",
              "A/1,A/2,A/3,A/4,A/5,A/6,A/7,A/8,A/9|A/2|A/1,A/2,A/3,A/4,A/5,A/6,A/7,A/8|A/2",
              "UTC=%ZZ 100%|UTC|UTC=%25ZZ 100%25|UTC", "UTC=\u202eHead\n\toffice\x7f\u2069|UTC|UTC=Head office|UTC",
              "UTC=xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxy|UTC|UTC=xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx|UTC",
              "UTC=xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx\U0001F600|UTC|UTC=xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx|"
              "UTC" });
}

void TestOtherZones::storedList()
{
    QFETCH(QStringList, row);
    const auto known = [](const QByteArray &zone) { return !zone.startsWith("No/"); };
    const OtherZoneList::Entries stored = OtherZoneList::fromText(row[0]);
    QCOMPARE(OtherZoneList::toText(OtherZoneList::shown(stored, known)), row[2]);
    QCOMPARE(OtherZoneList::toText(OtherZoneList::afterEdit(OtherZoneList::fromText(row[1]), stored, known)), row[3]);
}

void TestOtherZones::layout_data()
{
    // Under a 150 pt time 200 px high: a quarter (37 pt) where it fits; one row down to a sixth
    // (25 pt), else two; a column on a portrait screen. A zone is 5 x 3 times its points.
    // Window width | height | zones | columns | points.
    addRows({ "800|600|1|1|37", "800|600|4|4|29", "800|600|8|4|29", "1920|1080|1|1|37", "1920|1080|4|4|37",
              "1920|1080|8|8|34", "1080|1920|1|1|37", "1080|1920|4|1|37", "1080|1920|8|1|37" });
}

void TestOtherZones::layout()
{
    QFETCH(QStringList, row);
    const int width = row[0].toInt(), height = row[1].toInt(), count = row[2].toInt(), columns = row[3].toInt();
    const int room = qRound(height * 0.9) - 200;
    const auto layout
        = OtherZonesLayout::arrange(QSize(width, height), room, 150, count, [](int p) { return QSizeF(5 * p, 3 * p); });
    QCOMPARE(layout.columns, columns);
    QCOMPARE(layout.points, row[4].toInt());
    QCOMPARE(layout.cells.size(), count);
    QVERIFY(layout.size.height() <= room);
    for (int i = 0; i < count; ++i)
        QVERIFY(QRect(QPoint(), layout.size).contains(layout.cells[i])
                && (i == 0 || !layout.cells[i].intersects(layout.cells[i - 1])));
    QVERIFY(qAbs(layout.cells[0].left() - (width - 1 - layout.cells[std::min(count, columns) - 1].right())) <= 1);
    // Over the cells a gap at least twice that between rows.
    QVERIFY(layout.gap > 0 && layout.cells[0].top() == layout.gap);
    if (count > columns)
        QVERIFY(layout.gap >= 2 * (layout.cells[columns].top() - layout.cells[0].bottom() - 1));
}

void TestOtherZones::faces_data()
{
    // Stored zone | instant | minutes the clock adds | format (0 with seconds, 1 AM/PM, 2 24-hour)
    // | face, with "*" at night. St John's springs forward at 05:30 UTC on 8 March 2026.
    addRows({ "Asia/Kathmandu|2026-01-15T10:30:42Z|0|2|Kathmandu 16:15 +5:45",
              "Pacific/Kiritimati=Line Islands|2026-01-15T10:30:42Z|0|2|Line Islands 00:30 Tomorrow · +14 h*",
              "Pacific/Pago_Pago|2026-01-15T10:30:42Z|60|0|Pago Pago 11:30 PM Yesterday · −12 h*",
              "Asia/Kathmandu|2026-01-15T10:30:42Z|-660|1|Kathmandu 04:15 PM Tomorrow · +16:45",
              "America/St_Johns|2026-03-08T05:29:59Z|0|2|St. John’s 01:59 −3:30*",
              "America/St_Johns|2026-03-08T05:30:00Z|0|2|St. John’s 03:00 −2:30*",
              "America/Port-au-Prince|2026-01-15T10:30:42Z|0|2|Port-au-Prince 05:30 −5 h*" });
}

void TestOtherZones::faces()
{
    QFETCH(QStringList, row);
    OtherZoneClocks clocks;
    clocks.setZones(OtherZoneList::fromText(row[0]));
    const QDateTime instant = QDateTime::fromString(row[1], Qt::ISODate).toLocalTime();
    const auto faceAt = [&](int second, bool *changed) {
        const ZoneFace face = clocks.facesAt(instant.addSecs(second - instant.time().second()), row[2].toInt(),
                                             TimeFormat::ClockFormat(row[3].toInt()), QLocale::c(), changed)[0];
        return face.place + u' ' + face.time + u' ' + face.difference + QString(face.night ? "*" : "");
    };
    bool changed = false;
    QCOMPARE(faceAt(instant.time().second(), &changed), row[4]);
    QVERIFY(changed);
    // Worked out again only in the next minute.
    QVERIFY(faceAt(59, &changed) == row[4] && !changed);
    QVERIFY(faceAt(60, &changed) != row[4] && changed);
}

void TestOtherZones::changesAreStored_data()
{
    // Stored | steps: a button (or "Label" and the text typed) and the row or zone it acts on |
    // stored after | Add enabled after.
    addRows(
        { "||none|", "|Add Asia/Tokyo|Asia/Tokyo|", "No/Else,UTC,Asia/Tokyo|Remove 0|Asia/Tokyo,No/Else|yes",
          "Asia/Tokyo,Europe/Paris,UTC|Move up 2,Move down 0|UTC,Asia/Tokyo,Europe/Paris|yes",
          "UTC=A,No/X=Old,Asia/Tokyo|Label  Head=office % 1,Move up 1|Asia/Tokyo=Head%3Doffice %25,UTC=A,No/X=Old|yes",
          "UTC,Asia/Tokyo,Europe/Paris,Asia/Kolkata,Europe/London,Asia/Dubai,Africa/Cairo|Add Africa/Lagos|"
          "UTC,Asia/Tokyo,Europe/Paris,Asia/Kolkata,Europe/London,Asia/Dubai,Africa/Cairo,Africa/Lagos|" });
}

void TestOtherZones::changesAreStored()
{
    QFETCH(QStringList, row);
    auto fixture
        = clockOpenedAt(thursday, row[0].isEmpty() ? StoredValues() : StoredValues { { "Other Zones", row[0] } });
    clockOf(*fixture).optionsMenu->otherZones->trigger();
    OtherZonesWindow &window = *clockOf(*fixture).findChild<OtherZonesWindow *>();
    for (const QString &step : row[1].split(u',', Qt::SkipEmptyParts)) {
        const QString argument = step.section(u' ', -1);
        window.list->setCurrentRow(argument.toInt());
        window.picker->setCurrentIndex(
            std::max(0, window.picker->findData(modTimeZones::IndexOfKey(argument.toUtf8()))));
        if (step.startsWith(u"Label "))
            QTest::keyClicks(window.label, step.section(u' ', 1, -2));
        for (QPushButton *button : window.findChildren<QPushButton *>())
            if (button->text() == step.section(u' ', 0, -2))
                button->click();
    }
    QCOMPARE(window.add->isEnabled(), !row[3].isEmpty());
    const QString stored = fixture->store.value("Other Zones");
    QCOMPARE(stored.isNull() ? QStringLiteral("none") : stored, row[2]);
    QCOMPARE(clockOf(*fixture).otherZones->isVisible(), !window.zones().isEmpty());
}

void TestOtherZones::zonesShowUnderTheTimeAndMoveAndDimWithIt()
{
    auto fixture = clockOpenedAt(thursday,
                                 { { "Other Zones", "Pacific/Kiritimati,Asia/Kathmandu" },
                                   { "Font Color", "255" },
                                   { "Burn-in Guard", "On" },
                                   { "Night Dim From", "10:00" },
                                   { "Night Dim To", "11:00" } });
    ClockWindow &clock = clockOf(*fixture);
    clock.showNormal();
    clock.setGeometry(0, 0, 1920, 1080);
    tickAndGrab(*fixture);
    const QRect zones = clock.otherZones->geometry(), time = clock.Picture1->geometry();
    const QPoint offset = BurnInPath::offsetAt(thursday.toSecsSinceEpoch() / 60, clock.size());
    QCOMPARE(zones.topLeft(), time.bottomLeft() + QPoint(0, 1));
    QVERIFY(!offset.isNull() && qAbs((time | zones).center().y() - 540 - offset.y()) <= 1);
    QCOMPARE(clock.otherZones->palette().color(QPalette::WindowText), QColor(77, 0, 0));
}

void TestOtherZones::groupsStayApartAndDifferencesFit_data()
{
    // Window width | height | zones.
    addRows({ "800|600|1", "800|600|4", "800|600|8", "1920|1080|1", "1920|1080|4", "1920|1080|8", "1080|1920|1",
              "1080|1920|4", "1080|1920|8" });
}

void TestOtherZones::groupsStayApartAndDifferencesFit()
{
    QFETCH(QStringList, row);
    const QStringList zones = QStringLiteral("Pacific/Kiritimati=Line Islands,Asia/Kolkata,Australia/Adelaide,"
                                             "America/St_Johns,Asia/Kathmandu,Pacific/Pago_Pago,Asia/Tokyo,UTC")
                                  .split(u',')
                                  .first(row[2].toInt());
    auto fixture = clockOpenedAt(thursday,
                                 { { "Other Zones", zones.join(u',') },
                                   { "Show Date", "On" },
                                   { "Show Zone", "On" },
                                   { "Announce Clock Changes", "On" } });
    ClockWindow &clock = clockOf(*fixture);
    clock.showNormal();
    clock.setGeometry(0, 0, row[0].toInt(), row[1].toInt());
    tickAndGrab(*fixture);
    const OtherZonesView &view = *clock.otherZones;
    const OtherZonesLayout &layout = view.arrangement();
    // Half a zone's time line at least between the time's own lines and the zones.
    QVERIFY(layout.gap >= QFontMetrics(view.font()).height() / 2);
    QVERIFY(view.y() + layout.cells[0].top() - clock.infoLines->geometry().bottom() > layout.gap);
    for (qsizetype i = 0; i < zones.size(); ++i)
        QVERIFY(!view.faces()[i].difference.isEmpty()
                && QRectF(layout.cells[i]).adjusted(-0.5, 0, 0.5, 0).contains(view.differenceBounds(i)));
}

QTEST_MAIN(TestOtherZones)
#include "tst_otherzones.moc"

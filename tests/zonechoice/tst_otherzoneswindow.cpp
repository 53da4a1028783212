#include "timezones/modTimeZones.h"
#include "zonechoice/OtherZonesWindow.h"
#include "zonechoice/ZoneListText.h"
#include "zonechoice/ZonePicker.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

// The keys of the "Other zones" window's search, and what Add says.
class TestOtherZonesWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(modTimeZones::LoadTimeZones()); }
    void keysAddAndAddSaysWhyNot_data();
    void keysAddAndAddSaysWhyNot();
    void listLineNamesLabelCityAndZone_data();
    void listLineNamesLabelCityAndZone();
};

void TestOtherZonesWindow::keysAddAndAddSaysWhyNot_data()
{
    QTest::addColumn<QString>("row");
    // Zones shown | typed | keys ("Matches": Enter in the open matches) | last row after | Add enabled after |
    // Add's reason. A zone added empties the search; one refused stays in it.
    for (const QString row :
         { "|||||", "|tokyo|||yes|", "|tokyo|Return|Tokyo — Asia/Tokyo||",
           "|new y|Matches|New York — America/New_York||", "|tokyo|Tab Space|Tokyo — Asia/Tokyo||",
           "UTC|berln|Return|Berlin — Europe/Berlin||", "|sngapre|Return|Singapore — Asia/Singapore||",
           "|xyzq|Return|||", "|utc|Return|UTC||", "Asia/Tokyo|tokyo|Return|Tokyo — Asia/Tokyo||Already on the clock",
           "Asia/Tokyo|tokio|Matches|Tokyo — Asia/Tokyo||Already on the clock",
           "UTC,Asia/Tokyo,Europe/Paris,Asia/Kolkata,Europe/London,Asia/Dubai,Africa/Cairo,Africa/Lagos|lima|"
           "Return|Lagos — Africa/Lagos||8 zones at most" })
        QTest::newRow(qPrintable(row.left(60))) << row;
}

void TestOtherZonesWindow::keysAddAndAddSaysWhyNot()
{
    QFETCH(QString, row);
    const QStringList column = row.split(u'|');
    OtherZonesWindow window(OtherZoneList::fromText(column[0]), nullptr);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    ZonePicker &picker = *window.picker;
    picker.setFocus();
    QTest::keyClicks(&picker, column[1]);
    for (const QString &key : column[2].split(u' ', Qt::SkipEmptyParts)) {
        QAbstractItemView &matches = *picker.completer()->popup();
        QTRY_VERIFY(key != "Matches" || matches.isVisible());
        QTest::keyClick(key == "Matches" ? &matches : QApplication::focusWidget(),
                        key == "Matches" ? Qt::Key_Return : QKeySequence::fromString(key)[0].key());
    }
    // A match chosen is added once the completer is done with it.
    QCoreApplication::processEvents();
    QCOMPARE(window.list->count() ? window.list->item(window.list->count() - 1)->text() : "", column[3]);
    QCOMPARE(window.add->isEnabled(), !column[4].isEmpty());
    QCOMPARE(window.whyNotAdd->text(), column[5]);
    QCOMPARE(window.add->accessibleDescription(), column[5]);
    QCOMPARE(picker.currentText().isEmpty(), column[4].isEmpty() && column[5].isEmpty());
}

void TestOtherZonesWindow::listLineNamesLabelCityAndZone_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("line");
    QTest::newRow("city") << QByteArray("America/New_York") << QString() << "New York — America/New_York";
    QTest::newRow("label") << QByteArray("America/New_York") << "Head office"
                           << "Head office (New York) — America/New_York";
    QTest::newRow("no city") << QByteArray("UTC") << QString() << "UTC";
    QTest::newRow("label, no city") << QByteArray("UTC") << "Servers"
                                    << "Servers — UTC";
}

void TestOtherZonesWindow::listLineNamesLabelCityAndZone()
{
    QFETCH(QByteArray, zone);
    QFETCH(QString, label);
    QFETCH(QString, line);
    QCOMPARE(zoneListText(zone, label), line);
}

QTEST_MAIN(TestOtherZonesWindow)
#include "tst_otherzoneswindow.moc"

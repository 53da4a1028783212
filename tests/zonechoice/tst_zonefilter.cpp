#include "panel/Form1.h"
#include "panel/PanelWindow.h"
#include "support/ProgramFixture.h"
#include "timezones/ZoneTextMatch.h"
#include "timezones/modTimeZones.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>
#include <QTest>
#include <QWheelEvent>

namespace {

QStringList offered(const QComboBox &list)
{
    QStringList texts;
    const QAbstractItemModel *rows = list.completer()->popup()->model();
    for (int row = 0; row < rows->rowCount(); ++row)
        texts << rows->index(row, 0).data().toString();
    return texts;
}

// The panel shown and active, its zone list focused by Tab as a user reaches it.
std::unique_ptr<ProgramFixture> panelWithFocusedList(const StoredValues &stored = {})
{
    auto fixture = startedProgram(stored);
    PanelWindow &ui = fixture->program.form1().ui();
    QApplication::setActiveWindow(&ui);
    if (QTest::qWaitForWindowActive(&ui))
        ui.Combo1->setFocus(Qt::TabFocusReason);
    return fixture;
}

}

// Finding a zone by typing in the panel's time zone list.
class TestZoneFilter : public QObject {
    Q_OBJECT

private slots:
    void typedTextMatches_data();
    void typedTextMatches();
    void typedTextOffersRankedZonesAndKeysChoose_data();
    void typedTextOffersRankedZonesAndKeysChoose();
    void wheelLeavesTheClosedListsZone();
    void choosingAnOfferedZoneSelectsAndStoresIt();
    void textLeftUnchosenGivesWayToTheSelection();
    void backspaceRemovesOneLetterOfTheSelectedZone();
};

void TestZoneFilter::typedTextMatches_data()
{
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("matches");

    QTest::newRow("start of a city") << "(UTC+05:30) Asia/Kolkata"
                                     << "kolk" << true;
    QTest::newRow("whole city, other case") << "(UTC+05:30) Asia/Kolkata"
                                            << "KOLKATA" << true;
    QTest::newRow("area") << "(UTC+05:30) Asia/Kolkata"
                          << "Asia" << true;
    QTest::newRow("blank for underscore") << "(UTC-05:00) America/New_York"
                                          << "new y" << true;
    QTest::newRow("underscore typed") << "(UTC-05:00) America/New_York"
                                      << "New_York" << true;
    QTest::newRow("underscore typed for a blank") << "(UTC-05:00) America/New_York"
                                                  << "w_y" << true;
    QTest::newRow("half-hour offset") << "(UTC+05:30) Asia/Colombo"
                                      << "+05:30" << true;
    QTest::newRow("other offset") << "(UTC+05:45) Asia/Kathmandu"
                                  << "+05:30" << false;
    QTest::newRow("words out of order") << "(UTC-05:00) America/New_York"
                                        << "york new" << false;
    QTest::newRow("across the slash") << "(UTC+01:00) Europe/Berlin"
                                      << "pe/be" << true;
    QTest::newRow("nothing typed") << "(UTC+00:00) UTC"
                                   << "" << true;
    QTest::newRow("longer than the text") << "(UTC+00:00) UTC"
                                          << "(UTC+00:00) UTC " << false;
    QTest::newRow("letters beyond ASCII") << "(UTC-03:00) America/Cuiabá"
                                          << "CUIABÁ" << true;
}

void TestZoneFilter::typedTextMatches()
{
    QFETCH(QString, display);
    QFETCH(QString, typed);
    QFETCH(bool, matches);
    QCOMPARE(zoneTextMatches(display, typed), matches);
}

void TestZoneFilter::typedTextOffersRankedZonesAndKeysChoose_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QStringList>("offeredFirst");
    QTest::addColumn<QString>("chosen");
    const QString newYork = QStringLiteral("America/New_York");
    QTest::newRow("Enter, the only match")
        << newYork << "kolk"
        << "Return" << QStringList { QStringLiteral("(UTC+05:30) Asia/Kolkata") } << "Asia/Kolkata";
    QTest::newRow("Escape after Down") << newYork << "kolk"
                                       << "Down Escape" << QStringList { QStringLiteral("(UTC+05:30) Asia/Kolkata") }
                                       << "";
    QTest::newRow("Escape on a first run")
        << ""
        << "kolk"
        << "Escape" << QStringList { QStringLiteral("(UTC+05:30) Asia/Kolkata") } << "";
    QTest::newRow("utc") << newYork << "utc"
                         << "Return"
                         << QStringList { QStringLiteral("(UTC+00:00) UTC"),
                                          QStringLiteral("(UTC+00:00) Africa/Abidjan") }
                         << "UTC";
    QTest::newRow("offset") << newYork << "+05:30"
                            << "Return"
                            << QStringList { QStringLiteral("(UTC+05:30) Asia/Colombo"),
                                             QStringLiteral("(UTC+05:30) Asia/Kolkata") }
                            << "Asia/Colombo";
    QTest::newRow("country") << newYork << "India"
                             << "Return" << QStringList { QStringLiteral("(UTC+05:30) Asia/Kolkata") + " — India" }
                             << "Asia/Kolkata";
    QTest::newRow("country of two zones")
        << newYork << "germany"
        << "Return"
        << QStringList { QStringLiteral("(UTC+01:00) Europe/Berlin") + " — Germany",
                         QStringLiteral("(UTC+01:00) Europe/Busingen") + " — Germany" }
        << "Europe/Berlin";
    QTest::newRow("old name") << newYork << "Saigon"
                              << "Return"
                              << QStringList { QStringLiteral("(UTC+07:00) Asia/Ho_Chi_Minh")
                                               + " — Ho Chi Minh City, Asia/Saigon" }
                              << "Asia/Ho_Chi_Minh";
    QTest::newRow("no match") << newYork << "xyz"
                              << "Return" << QStringList { "No time zone matches 'xyz'" } << "";
}

void TestZoneFilter::typedTextOffersRankedZonesAndKeysChoose()
{
    QFETCH(QString, stored);
    QFETCH(QString, typed);
    QFETCH(QString, keys);
    QFETCH(QStringList, offeredFirst);
    QFETCH(QString, chosen);
    auto fixture
        = panelWithFocusedList(stored.isEmpty() ? StoredValues {} : StoredValues { { "Time Zone Name", stored } });
    QComboBox &list = *fixture->program.form1().ui().Combo1;
    const int selected = list.currentIndex();

    QTest::keyClicks(&list, typed);
    QAbstractItemView *popup = list.completer()->popup();
    QTRY_VERIFY(popup->isVisible());
    QCOMPARE(offered(list).mid(0, offeredFirst.size()), offeredFirst);
    for (const QString &key : keys.split(u' '))
        QTest::keyClick(popup, key == "Down" ? Qt::Key_Down : key == "Escape" ? Qt::Key_Escape : Qt::Key_Return);

    QVERIFY(!popup->isVisible());
    QCOMPARE(list.lineEdit()->text(), list.itemText(list.currentIndex()));
    if (chosen.isEmpty()) {
        QCOMPARE(list.currentIndex(), selected);
        QCOMPARE(fixture->store.keys(), stored.isEmpty() ? QStringList() : QStringList { "Time Zone Name" });
    } else {
        QCOMPARE(modTimeZones::TimeZoneKeys.at(list.currentData().toInt()), chosen.toLatin1());
        QCOMPARE(fixture->store.value("Time Zone Name"), chosen);
        QCOMPARE(fixture->store.value("Combo1"), QString::number(list.currentIndex()));
    }
}

void TestZoneFilter::wheelLeavesTheClosedListsZone()
{
    auto fixture = panelWithFocusedList({ { "Combo1", "3" } });
    QComboBox &list = *fixture->program.form1().ui().Combo1;
    QWheelEvent wheel(QPointF(5, 5), list.mapToGlobal(QPointF(5, 5)), {}, QPoint(0, -120), Qt::NoButton, {},
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(&list, &wheel);
    QCOMPARE(list.currentIndex(), 3);
}

void TestZoneFilter::choosingAnOfferedZoneSelectsAndStoresIt()
{
    auto fixture = panelWithFocusedList();
    QComboBox &list = *fixture->program.form1().ui().Combo1;
    const int kolkata = list.findText(QStringLiteral("(UTC+05:30) Asia/Kolkata"));
    QVERIFY(kolkata > 0);
    QVERIFY(list.currentIndex() != kolkata);
    const int itemsBefore = list.count();

    QTest::keyClicks(&list, QStringLiteral("kolk"));
    QAbstractItemView *popup = list.completer()->popup();
    QTRY_VERIFY(popup->isVisible());
    QTest::keyClick(popup, Qt::Key_Down);
    QTest::keyClick(popup, Qt::Key_Return);

    QCOMPARE(list.currentIndex(), kolkata);
    QCOMPARE(list.lineEdit()->text(), QStringLiteral("(UTC+05:30) Asia/Kolkata"));
    QCOMPARE(fixture->store.value("Combo1"), QString::number(kolkata));
    QCOMPARE(list.count(), itemsBefore);
}

void TestZoneFilter::textLeftUnchosenGivesWayToTheSelection()
{
    auto fixture = panelWithFocusedList({ { "Combo1", "3" } });
    PanelWindow &ui = fixture->program.form1().ui();
    QComboBox &list = *ui.Combo1;
    const QString selected = list.itemText(3);
    const int itemsBefore = list.count();

    QTest::keyClicks(&list, QStringLiteral("no such zone"));
    QTest::keyClick(&list, Qt::Key_Return);
    QCOMPARE(list.lineEdit()->text(), selected);

    // Typed into the text field itself, after a click into it; the focus moves on.
    QTest::keyClicks(list.lineEdit(), QStringLiteral("berl"));
    QTRY_VERIFY(list.completer()->popup()->isVisible());
    // A click beside the matches closes them.
    list.completer()->popup()->hide();
    ui.Check4->setFocus(Qt::TabFocusReason);
    QCOMPARE(list.lineEdit()->text(), selected);

    QCOMPARE(list.currentIndex(), 3);
    QCOMPARE(list.count(), itemsBefore);
    QCOMPARE(fixture->store.value("Combo1"), QStringLiteral("3"));
}

void TestZoneFilter::backspaceRemovesOneLetterOfTheSelectedZone()
{
    auto fixture = panelWithFocusedList({ { "Combo1", "3" } });
    QComboBox &list = *fixture->program.form1().ui().Combo1;
    list.lineEdit()->end(false);
    QTest::keyClick(list.lineEdit(), Qt::Key_Backspace);
    QCOMPARE(list.lineEdit()->text(), list.itemText(3).chopped(1));
}

QTEST_MAIN(TestZoneFilter)
#include "tst_zonefilter.moc"

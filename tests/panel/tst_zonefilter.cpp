#include "panel/Form1.h"
#include "panel/PanelWindow.h"
#include "support/ProgramFixture.h"
#include "timezones/ZoneTextMatch.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>
#include <QTest>

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
    void typingOffersTheMatchingZonesInListOrder_data();
    void typingOffersTheMatchingZonesInListOrder();
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

void TestZoneFilter::typingOffersTheMatchingZonesInListOrder_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("mustOffer");

    QTest::newRow("kolk") << "kolk"
                          << "(UTC+05:30) Asia/Kolkata";
    QTest::newRow("new y") << "new y"
                           << "(UTC-05:00) America/New_York";
    QTest::newRow("+05:30") << "+05:30"
                            << "(UTC+05:30) Asia/Kolkata";
    QTest::newRow("asia, small letters") << "asia"
                                         << "(UTC+09:00) Asia/Tokyo";
}

void TestZoneFilter::typingOffersTheMatchingZonesInListOrder()
{
    QFETCH(QString, typed);
    QFETCH(QString, mustOffer);
    auto fixture = panelWithFocusedList();
    QComboBox &list = *fixture->program.form1().ui().Combo1;
    QVERIFY(list.hasFocus());

    QTest::keyClicks(&list, typed);

    QTRY_VERIFY(list.completer()->popup()->isVisible());
    // Exactly the list's items that match, in the list's own order.
    QStringList expected;
    for (int position = 0; position < list.count(); ++position) {
        if (zoneTextMatches(list.itemText(position), typed))
            expected << list.itemText(position);
    }
    QVERIFY(expected.contains(mustOffer));
    QVERIFY(expected.size() < list.count());
    QCOMPARE(offered(list), expected);
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

    // Esc closes the offered zones, and the focus moves on.
    // Typed into the text field itself, after a click into it.
    QTest::keyClicks(list.lineEdit(), QStringLiteral("berl"));
    QAbstractItemView *popup = list.completer()->popup();
    QTRY_VERIFY(popup->isVisible());
    QTest::keyClick(popup, Qt::Key_Escape);
    QVERIFY(!popup->isVisible());
    QCOMPARE(list.lineEdit()->text(), QStringLiteral("berl"));
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

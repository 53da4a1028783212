#include "clock/ScreenChoice.h"

#include <QTest>

using Screens = QList<ScreenIdentity>;
Q_DECLARE_METATYPE(ScreenIdentity)

class TestScreenChoice : public QObject {
    Q_OBJECT

private slots:
    void choose_data();
    void choose();
    void findsNothingWhenTheWantedScreenIsGone();
};

void TestScreenChoice::choose_data()
{
    QTest::addColumn<Screens>("connected");
    QTest::addColumn<qsizetype>("primary");
    QTest::addColumn<ScreenIdentity>("wanted");
    QTest::addColumn<qsizetype>("expected");

    const ScreenIdentity office { "DP-1", "DEL", "U2419H", "CFV9N93" };
    const ScreenIdentity wall { "HDMI-1", "SAM", "QE55", "H4ZN900123" };
    const ScreenIdentity bareLeft { "Left", "", "", "" };
    const ScreenIdentity bareRight { "Right", "", "", "" };
    const ScreenIdentity wallOnDp2 { "DP-2", wall.manufacturer, wall.model, wall.serialNumber };

    QTest::newRow("remembered screen connected, by its name alone")
        << Screens { bareLeft, bareRight } << qsizetype(0) << ScreenIdentity { "Right", "", "", "" } << qsizetype(1);
    QTest::newRow("remembered screen connected, by name and serial")
        << Screens { office, wall } << qsizetype(0) << wall << qsizetype(1);
    QTest::newRow("remembered screen absent: the primary")
        << Screens { office, bareRight } << qsizetype(1) << wall << qsizetype(1);
    QTest::newRow("nothing remembered: the primary")
        << Screens { office, wall } << qsizetype(1) << ScreenIdentity {} << qsizetype(1);
    QTest::newRow("same monitor on another connector")
        << Screens { office, wallOnDp2 } << qsizetype(0) << wall << qsizetype(1);
    QTest::newRow("same monitor moved, another monitor on its old connector")
        << Screens { ScreenIdentity { "HDMI-1", "DEL", "U2419H", "OTHER1" }, wallOnDp2 } << qsizetype(0) << wall
        << qsizetype(1);
    QTest::newRow("two monitors report the same serial: the one on the remembered connector")
        << Screens { wallOnDp2, wall } << qsizetype(0) << wall << qsizetype(1);
    QTest::newRow("another monitor on the remembered connector")
        << Screens { office, ScreenIdentity { "HDMI-1", "LG", "OLED48", "XYZ" } } << qsizetype(0) << wall
        << qsizetype(1);
    QTest::newRow("empty serial numbers never make two monitors the same")
        << Screens { bareLeft, bareRight } << qsizetype(1) << ScreenIdentity { "Gone", "", "", "" } << qsizetype(1);
    QTest::newRow("same serial from another maker's model is another monitor")
        << Screens { office, ScreenIdentity { "DP-3", "ACR", "X27", wall.serialNumber } } << qsizetype(0) << wall
        << qsizetype(0);
    QTest::newRow("no primary known: the first screen")
        << Screens { office, bareRight } << qsizetype(-1) << wall << qsizetype(0);
    QTest::newRow("no screen connected") << Screens {} << qsizetype(-1) << wall << qsizetype(-1);
}

void TestScreenChoice::choose()
{
    QFETCH(Screens, connected);
    QFETCH(qsizetype, primary);
    QFETCH(ScreenIdentity, wanted);
    QFETCH(qsizetype, expected);
    QCOMPARE(ScreenChoice::choose(connected, primary, wanted), expected);
}

void TestScreenChoice::findsNothingWhenTheWantedScreenIsGone()
{
    // Telling "gone" from "found" decides whether the clock's screen is remembered anew.
    const Screens connected { { "DP-1", "DEL", "U2419H", "CFV9N93" }, { "eDP-1", "", "", "" } };
    QCOMPARE(ScreenChoice::find(connected, { "HDMI-1", "SAM", "QE55", "H4ZN900123" }), qsizetype(-1));
    QCOMPARE(ScreenChoice::find(connected, { "HDMI-1", "DEL", "U2419H", "CFV9N93" }), qsizetype(0));
}

QTEST_APPLESS_MAIN(TestScreenChoice)
#include "tst_screenchoice.moc"

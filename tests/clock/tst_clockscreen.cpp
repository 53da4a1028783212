#include "clock/ClockWindow.h"
#include "clock/Form2.h"
#include "dressing/WindowPlacement.h"
#include "panel/ColourWindow.h"
#include "panel/Form1.h"
#include "panel/Form3.h"
#include "panel/PanelWindow.h"
#include "support/ProgramFixture.h"
#include "wallscreen/NightHoursDialog.h"
#include "wallscreen/WallScreenMenu.h"
#include "zonechoice/OtherZonesWindow.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>

// Runs on two offscreen screens: "Office" (1920x1080, primary) at the left and "Wall"
// (1280x1024) at its right.
namespace {

QScreen *screenNamed(const QString &name)
{
    for (QScreen *screen : QGuiApplication::screens()) {
        if (screen->name() == name)
            return screen;
    }
    return nullptr;
}

// The screen the clock covers, by name, when it covers one whole screen.
QString coveredScreen(ProgramFixture &fixture)
{
    Form2 &clock = fixture.program.form2();
    if (!clock.isLoaded() || !clock.ui().isVisible())
        return QStringLiteral("(no clock)");
    const ClockWindow &window = clock.ui();
    if (window.geometry() != window.screen()->geometry())
        return QStringLiteral("(not covering %1)").arg(window.screen()->name());
    return window.screen()->name();
}

std::unique_ptr<ProgramFixture> started(const StoredValues &stored, bool openClock = false,
                                        const QString &screenName = {})
{
    auto fixture = std::make_unique<ProgramFixture>();
    fixture->store.seed(stored);
    fixture->program.setStartRequest(openClock, screenName);
    fixture->program.start();
    return fixture;
}

void clickShowOn(ProgramFixture &fixture, const QString &screenName)
{
    PanelWindow &panel = fixture.program.form1().ui();
    centreOnScreen(panel, *screenNamed(screenName));
    panel.PushButton1->click();
}

// Windows the program opens over its panel and clock, each as a person opens it, and two
// that nothing in the program opens: a window shown plainly and a dialog without a parent.
enum class Over { NightHours, About, OtherZones, ClockMenu, ZoneList, ColourWindow, PlainWindow, LoneDialog };

QWidget *openOver(ProgramFixture &fixture, Over over)
{
    Form1 &panel = fixture.program.form1();
    if (over == Over::ZoneList) {
        panel.ui().Combo1->showPopup();
        return panel.ui().Combo1->view()->window();
    }
    if (over == Over::ColourWindow) {
        panel.ui().PushButton4->click();
        return &fixture.program.form3().ui();
    }
    if (over == Over::LoneDialog) {
        auto *dialog = new QDialog;
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->open();
        return dialog;
    }
    clickShowOn(fixture, "Office");
    ClockWindow &clock = fixture.program.form2().ui();
    WallScreenMenu &menu = *clock.optionsMenu;
    switch (over) {
    case Over::NightHours:
        menu.nightDimming->actions().constLast()->trigger();
        return clock.findChild<NightHoursDialog *>();
    case Over::About:
        menu.about->trigger();
        return clock.findChild<QMessageBox *>();
    case Over::OtherZones:
        menu.otherZones->trigger();
        return clock.findChild<OtherZonesWindow *>();
    case Over::ClockMenu:
        menu.popup(clock.geometry().center());
        return &menu;
    case Over::PlainWindow: {
        auto *window = new QWidget(&clock, Qt::Window);
        window->resize(200, 100);
        window->show();
        return window;
    }
    default:
        return nullptr;
    }
}

void tick(ProgramFixture &fixture, int times)
{
    for (int i = 0; i < times; ++i)
        fixture.program.form2().Timer1_Timer();
}

}

class TestClockScreen : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void buttonOpensTheClockOverThePanelsScreen_data();
    void buttonOpensTheClockOverThePanelsScreen();
    void startOpensTheClockOnTheStartScreen_data();
    void startOpensTheClockOnTheStartScreen();
    void screenAloneOpensThePanelThere();
    void escBringsThePanelBackCentredOnTheClocksScreen_data();
    void escBringsThePanelBackCentredOnTheClocksScreen();
    void laterStartActsOnTheScreenItNames_data();
    void laterStartActsOnTheScreenItNames();
    void laterStartWaitsForAnyWindowOpen_data();
    void laterStartWaitsForAnyWindowOpen();
    void openWindowGoesAlongWithTheClock();
    void centredWindowKeepsItsCornerOnTheScreen_data();
    void centredWindowKeepsItsCornerOnTheScreen();
};

void TestClockScreen::initTestCase()
{
    QVERIFY2(screenNamed("Office") && screenNamed("Wall"), "the test needs the offscreen screens of two-screens.json");
    QCOMPARE(QGuiApplication::primaryScreen()->name(), QStringLiteral("Office"));
}

void TestClockScreen::buttonOpensTheClockOverThePanelsScreen_data()
{
    QTest::addColumn<QString>("panelScreen");
    QTest::addColumn<QString>("remembered");
    QTest::addColumn<QString>("startupOption");
    QTest::addColumn<QString>("rememberedAfter");

    QTest::newRow("panel on the primary") << "Office"
                                          << "Wall"
                                          << "Off"
                                          << "Office";
    QTest::newRow("panel on the second screen") << "Wall"
                                                << "Office"
                                                << "Off"
                                                << "Wall";
    QTest::newRow("nothing remembered yet") << "Wall" << QString() << "Off"
                                            << "Wall";
    // The ticks make the panel again, hidden, on the primary: the clock stays where it is.
    QTest::newRow("start-up option on, panel on the second screen") << "Wall"
                                                                    << "Office"
                                                                    << "On"
                                                                    << "Wall";
    QTest::newRow("start-up option on, panel on the primary") << "Office"
                                                              << "Wall"
                                                              << "On"
                                                              << "Office";
    // The panel stands where the program put it, on the screen the clock falls back to.
    QTest::newRow("remembered screen away, panel on the primary") << "Office"
                                                                  << "TV"
                                                                  << "Off"
                                                                  << "TV";
    QTest::newRow("remembered screen away, panel moved to the second screen") << "Wall"
                                                                              << "TV"
                                                                              << "Off"
                                                                              << "Wall";
}

void TestClockScreen::buttonOpensTheClockOverThePanelsScreen()
{
    QFETCH(QString, panelScreen);
    QFETCH(QString, remembered);
    QFETCH(QString, startupOption);
    QFETCH(QString, rememberedAfter);

    StoredValues stored { { "Windows Startup", startupOption } };
    if (!remembered.isNull())
        stored.insert("Clock Screen", remembered);
    auto fixture = started(stored);
    if (fixture->program.form2().isLoaded())
        QTest::keyClick(&fixture->program.form2().ui(), Qt::Key_Escape);
    clickShowOn(*fixture, panelScreen);
    QCOMPARE(coveredScreen(*fixture), panelScreen);
    QCOMPARE(fixture->store.value("Clock Screen"), rememberedAfter);
    tick(*fixture, 3);
    QCOMPARE(coveredScreen(*fixture), panelScreen);
    QVERIFY(!fixture->program.form1().ui().isVisible());
    QCOMPARE(fixture->store.value("Clock Screen"), rememberedAfter);
}

void TestClockScreen::startOpensTheClockOnTheStartScreen_data()
{
    QTest::addColumn<StoredValues>("stored");
    QTest::addColumn<bool>("openClock");
    QTest::addColumn<QString>("screenName");
    QTest::addColumn<QString>("expectedScreen");
    QTest::addColumn<QString>("expectedRemembered");

    const StoredValues atLogIn { { "Windows Startup", "On" } };
    const auto withScreen = [](StoredValues values, const QString &screen) {
        values.insert("Clock Screen", screen);
        return values;
    };

    QTest::newRow("start-up option, remembered screen connected")
        << withScreen(atLogIn, "Wall") << false << QString() << "Wall"
        << "Wall";
    QTest::newRow("start-up option, remembered screen absent: primary, memory kept")
        << withScreen(atLogIn, "HDMI-9") << false << QString() << "Office"
        << "HDMI-9";
    QTest::newRow("start-up option, nothing remembered: primary, nothing stored")
        << atLogIn << false << QString() << "Office" << QString();
    QTest::newRow("--clock, remembered screen connected") << withScreen({}, "Wall") << true << QString() << "Wall"
                                                          << "Wall";
    QTest::newRow("--clock --screen beats the remembered screen and is remembered")
        << withScreen({}, "Wall") << true << "Office"
        << "Office"
        << "Office";
    QTest::newRow("start-up option with --screen") << withScreen(atLogIn, "Office") << false << "Wall"
                                                   << "Wall"
                                                   << "Wall";
    QTest::newRow("--clock with the start-up option on opens one clock")
        << withScreen(atLogIn, "Wall") << true << QString() << "Wall"
        << "Wall";
}

void TestClockScreen::startOpensTheClockOnTheStartScreen()
{
    QFETCH(StoredValues, stored);
    QFETCH(bool, openClock);
    QFETCH(QString, screenName);
    QFETCH(QString, expectedScreen);
    QFETCH(QString, expectedRemembered);

    auto fixture = started(stored, openClock, screenName);
    QCOMPARE(coveredScreen(*fixture), expectedScreen);
    QVERIFY(!fixture->program.form1().isLoaded() || !fixture->program.form1().ui().isVisible());
    QCOMPARE(fixture->store.value("Clock Screen"), expectedRemembered);
    // --clock changes no setting of the panel's.
    QCOMPARE(fixture->store.value("Windows Startup"), stored.value("Windows Startup"));
    QVERIFY(fixture->platform.messages.isEmpty());
}

void TestClockScreen::screenAloneOpensThePanelThere()
{
    auto fixture = started({}, false, "Wall");
    QVERIFY(!fixture->program.form2().isLoaded());
    const PanelWindow &panel = fixture->program.form1().ui();
    QVERIFY(panel.isVisible());
    QCOMPARE(panel.screen()->name(), QStringLiteral("Wall"));
    QCOMPARE(panel.frameGeometry().center(), screenNamed("Wall")->availableGeometry().center());
    QCOMPARE(fixture->store.value("Clock Screen"), QString());
}

void TestClockScreen::escBringsThePanelBackCentredOnTheClocksScreen_data()
{
    QTest::addColumn<QString>("screenName");

    QTest::newRow("primary") << "Office";
    QTest::newRow("second screen") << "Wall";
}

void TestClockScreen::escBringsThePanelBackCentredOnTheClocksScreen()
{
    QFETCH(QString, screenName);

    // The clock opens at start over the remembered screen, so the panel has never been there.
    auto fixture = started({ { "Windows Startup", "On" }, { "Clock Screen", screenName } });
    QCOMPARE(coveredScreen(*fixture), screenName);
    tick(*fixture, 2);
    QTest::keyClick(&fixture->program.form2().ui(), Qt::Key_Escape);
    const PanelWindow &panel = fixture->program.form1().ui();
    QVERIFY(panel.isVisible());
    QCOMPARE(panel.screen()->name(), screenName);
    QCOMPARE(panel.frameGeometry().center(), screenNamed(screenName)->availableGeometry().center());
}

void TestClockScreen::laterStartActsOnTheScreenItNames_data()
{
    QTest::addColumn<bool>("clockBefore");
    QTest::addColumn<QString>("panelBefore");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("covered");
    QTest::addColumn<QString>("panelScreen");
    QTest::addColumn<QString>("rememberedAfter");

    const QStringList clock { "lumetra", "--clock" };
    const QStringList screenWall { "lumetra", "--screen", "Wall" };
    QTest::newRow("--clock --screen") << false << "Office" << clock + QStringList { "--screen", "Wall" } << "Wall"
                                      << QString() << "Wall";
    QTest::newRow("--clock alone covers the remembered screen, not the panel's")
        << false << "Wall" << clock << "Office" << QString() << "Office";
    QTest::newRow("--screen moves an open clock") << true << "Office" << screenWall << "Wall" << QString() << "Wall";
    QTest::newRow("--screen moves the panel") << false << "Office" << screenWall << QString() << "Wall"
                                              << "Office";
    QTest::newRow("a screen gone since is passed over")
        << false << "Office" << clock + QStringList { "--screen", "Gone" } << "Office" << QString() << "Office";
}

void TestClockScreen::laterStartActsOnTheScreenItNames()
{
    QFETCH(bool, clockBefore);
    QFETCH(QString, panelBefore);
    QFETCH(QStringList, arguments);
    QFETCH(QString, covered);
    QFETCH(QString, panelScreen);
    QFETCH(QString, rememberedAfter);
    auto fixture = started({ { "Clock Screen", "Office" } });
    if (clockBefore)
        clickShowOn(*fixture, panelBefore);
    else
        centreOnScreen(fixture->program.form1().ui(), *screenNamed(panelBefore));

    fixture->program.request(arguments);
    QCoreApplication::processEvents();

    if (covered.isEmpty()) {
        QVERIFY(!fixture->program.form2().isShown());
        const PanelWindow &panel = fixture->program.form1().ui();
        QCOMPARE(panel.frameGeometry().center(), screenNamed(panelScreen)->availableGeometry().center());
    } else {
        QCOMPARE(coveredScreen(*fixture), covered);
    }
    QCOMPARE(fixture->store.value("Clock Screen"), rememberedAfter);
}

void TestClockScreen::laterStartWaitsForAnyWindowOpen_data()
{
    QTest::addColumn<int>("over");
    QTest::newRow("Night Hours, open()") << int(Over::NightHours);
    QTest::newRow("About, open()") << int(Over::About);
    QTest::newRow("Other zones, modal show()") << int(Over::OtherZones);
    QTest::newRow("clock's menu, popup") << int(Over::ClockMenu);
    QTest::newRow("zone list's drop-down") << int(Over::ZoneList);
    QTest::newRow("colour window") << int(Over::ColourWindow);
    QTest::newRow("a window over the clock, plain show()") << int(Over::PlainWindow);
    QTest::newRow("a dialog without a parent, open()") << int(Over::LoneDialog);
}

void TestClockScreen::laterStartWaitsForAnyWindowOpen()
{
    QFETCH(int, over);
    auto fixture = started({});
    QPointer<QWidget> open = openOver(*fixture, Over(over));
    QVERIFY(open && open->isVisible());
    const QString coveredBefore = coveredScreen(*fixture);

    fixture->program.request({ "lumetra", "--clock", "--screen", "Wall" });
    QCoreApplication::processEvents();
    QVERIFY(open && open->isVisible());
    QCOMPARE(coveredScreen(*fixture), coveredBefore);

    open->close();
    QCoreApplication::processEvents();
    QCOMPARE(coveredScreen(*fixture), QStringLiteral("Wall"));
}

void TestClockScreen::openWindowGoesAlongWithTheClock()
{
    auto fixture = started({});
    QWidget *dialog = openOver(*fixture, Over::NightHours);
    ClockWindow &clock = fixture->program.form2().ui();

    // What the clock does when its screen goes away or the one it wants comes back.
    clock.showOverScreen(screenNamed("Wall"));
    QVERIFY(screenNamed("Wall")->geometry().contains(dialog->frameGeometry()));
    clock.showOverScreen(screenNamed("Office"));
    QVERIFY(screenNamed("Office")->geometry().contains(dialog->frameGeometry()));
}

void TestClockScreen::centredWindowKeepsItsCornerOnTheScreen_data()
{
    QTest::addColumn<QSize>("frame");
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QPoint>("topLeft");
    QTest::newRow("fits") << QSize(400, 300) << QRect(0, 0, 1000, 800) << QPoint(300, 250);
    QTest::newRow("fits on a screen to the right") << QSize(400, 300) << QRect(1000, 0, 1000, 800) << QPoint(1300, 250);
    QTest::newRow("wider and taller") << QSize(1040, 888) << QRect(0, 0, 520, 444) << QPoint(0, 0);
    QTest::newRow("taller only, lower screen") << QSize(400, 900) << QRect(0, 800, 1000, 600) << QPoint(300, 800);
}

void TestClockScreen::centredWindowKeepsItsCornerOnTheScreen()
{
    QFETCH(QSize, frame);
    QFETCH(QRect, screen);
    QFETCH(QPoint, topLeft);
    QCOMPARE(centredWithin(frame, screen), topLeft);
}

QTEST_MAIN(TestClockScreen)
#include "tst_clockscreen.moc"

#include "base/ErrorReport.h"
#include "clock/Form2.h"
#include "panel/ColourWindow.h"
#include "panel/Form1.h"
#include "panel/Form3.h"
#include "panel/PanelWindow.h"
#include "support/ProgramFixture.h"

#include <QDialog>
#include <QPushButton>
#include <QTest>

// What the running copy does when another start hands it its arguments, and when.
class TestActivation : public QObject {
    Q_OBJECT

private slots:
    void laterStartBringsTheRightWindowForward_data();
    void laterStartBringsTheRightWindowForward();
    void requestWaitsUntilWhatIsOpenCloses_data();
    void requestWaitsUntilWhatIsOpenCloses();
    void waitingRequestRestoresMinimisedWindows_data();
    void waitingRequestRestoresMinimisedWindows();
    void requestDuringTheClocksReportRunsAfterIt();
    void endedProgramIgnoresLaterStarts();
};

namespace {

enum class Before { Panel, PanelHidden, PanelMinimised, Clock, ColourWindow };

void arrange(ProgramFixture &fixture, Before before)
{
    Form1 &panel = fixture.program.form1();
    switch (before) {
    case Before::Panel:
        break;
    case Before::PanelHidden:
        panel.Hide();
        break;
    case Before::PanelMinimised:
        panel.ui().showMinimized();
        break;
    case Before::Clock:
        panel.ui().PushButton1->click();
        break;
    case Before::ColourWindow:
        panel.ui().PushButton4->click();
        break;
    }
}

// Hands the program a later start's arguments and lets its event loop run once, as the
// main loop or a modal box's loop does.
void arrive(ProgramFixture &fixture, const QStringList &arguments)
{
    fixture.program.request(arguments);
    QCoreApplication::processEvents();
}

// What is open when a later start arrives: the program is not started yet (a notice
// about its settings file may be open), or something is open in it.
enum class Open { NotStarted, StartUpReport, Report, FontDialog, ColourWindow, ColourDialog };

// Opens it with the request arriving inside, then closes it.
void arriveWhileOpen(ProgramFixture &fixture, Open open, const std::function<void()> &arrival)
{
    if (open == Open::NotStarted) {
        arrival();
        fixture.program.start();
        return;
    }
    if (open == Open::StartUpReport) {
        // Letters where the panel's load reads a number: reported during the start.
        fixture.store.seed({ { "Check1", "abc" } });
        fixture.platform.whileMessageOpen = arrival;
        fixture.program.start();
        return;
    }
    fixture.program.start();
    Form3 &colourWindow = fixture.program.form3();
    switch (open) {
    case Open::Report:
        fixture.platform.whileMessageOpen = arrival;
        fixture.program.platform().showMessage("text", "title", PlatformServices::MessageIcon::Warning);
        break;
    case Open::FontDialog:
        fixture.platform.whileDialogOpen = arrival;
        fixture.program.form1().ui().PushButton2->click();
        break;
    case Open::ColourWindow:
        fixture.program.form1().ui().PushButton4->click();
        arrival();
        colourWindow.ui().PushButton1->click();
        break;
    case Open::ColourDialog:
        fixture.program.form1().ui().PushButton4->click();
        fixture.platform.whileDialogOpen = arrival;
        colourWindow.Label1_Click();
        colourWindow.ui().PushButton1->click();
        break;
    case Open::NotStarted:
    case Open::StartUpReport:
        break;
    }
}

}

void TestActivation::laterStartBringsTheRightWindowForward_data()
{
    QTest::addColumn<int>("before");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("panelShown");
    QTest::addColumn<bool>("clockShown");
    QTest::addColumn<bool>("colourWindowShown");

    const QStringList plain { "lumetra" };
    const QStringList clock { "lumetra", "--clock" };
    QTest::newRow("panel stays") << int(Before::Panel) << plain << true << false << false;
    QTest::newRow("hidden panel comes back") << int(Before::PanelHidden) << plain << true << false << false;
    QTest::newRow("minimised panel comes back") << int(Before::PanelMinimised) << plain << true << false << false;
    QTest::newRow("clock stays in front") << int(Before::Clock) << plain << false << true << false;
    QTest::newRow("colour window stays for the panel") << int(Before::ColourWindow) << plain << false << false << true;
    QTest::newRow("--clock opens the clock") << int(Before::Panel) << clock << false << true << false;
    QTest::newRow("--clock from a hidden panel") << int(Before::PanelHidden) << clock << false << true << false;
    QTest::newRow("--clock with the clock shown") << int(Before::Clock) << clock << false << true << false;
}

void TestActivation::laterStartBringsTheRightWindowForward()
{
    QFETCH(int, before);
    QFETCH(QStringList, arguments);
    QFETCH(bool, panelShown);
    QFETCH(bool, clockShown);
    QFETCH(bool, colourWindowShown);
    auto fixture = startedProgram();
    Program &program = fixture->program;
    arrange(*fixture, Before(before));

    arrive(*fixture, arguments);

    QCOMPARE(program.form1().isShown(), panelShown);
    QVERIFY(!panelShown || !program.form1().ui().isMinimized());
    QCOMPARE(program.form2().isShown(), clockShown);
    QCOMPARE(program.form3().isShown(), colourWindowShown);
    QVERIFY(!program.hasEnded());
    QCOMPARE(fixture->platform.messageTexts(), QStringList());
}

void TestActivation::requestWaitsUntilWhatIsOpenCloses_data()
{
    QTest::addColumn<int>("open");
    QTest::addColumn<QStringList>("arguments");
    const QList<std::pair<const char *, Open>> opens {
        { "not started", Open::NotStarted },
        { "start-up report", Open::StartUpReport },
        { "report", Open::Report },
        { "font dialog", Open::FontDialog },
        { "colour window", Open::ColourWindow },
        { "colour dialog", Open::ColourDialog },
    };
    for (const auto &[name, open] : opens) {
        QTest::addRow("%s, plain start", name) << int(open) << QStringList { "lumetra" };
        QTest::addRow("%s, --clock", name) << int(open) << QStringList { "lumetra", "--clock" };
    }
}

void TestActivation::requestWaitsUntilWhatIsOpenCloses()
{
    QFETCH(int, open);
    QFETCH(QStringList, arguments);
    ProgramFixture fixture;
    Program &program = fixture.program;
    bool arrived = false;
    bool clockWhileOpen = false;
    bool panelGoneWhileOpen = false;
    arriveWhileOpen(fixture, Open(open), [&] {
        const bool panelLoaded = program.form1().isLoaded();
        arrive(fixture, arguments);
        arrived = true;
        clockWhileOpen = program.form2().isLoaded();
        panelGoneWhileOpen = panelLoaded && !program.form1().isLoaded();
    });
    QVERIFY(arrived);
    QVERIFY(!clockWhileOpen);
    QVERIFY(!panelGoneWhileOpen);

    QCoreApplication::processEvents();
    const bool clock = arguments.contains("--clock");
    QCOMPARE(program.form2().isShown(), clock);
    QCOMPARE(program.form1().isShown(), !clock);
    QVERIFY(!program.form3().isShown());
    QVERIFY(!program.hasEnded());
}

void TestActivation::waitingRequestRestoresMinimisedWindows_data()
{
    QTest::addColumn<bool>("dialogMinimised");
    QTest::addColumn<bool>("panelMinimised");
    QTest::newRow("the dialog") << true << false;
    QTest::newRow("the panel under the dialog") << false << true;
    QTest::newRow("both") << true << true;
}

void TestActivation::waitingRequestRestoresMinimisedWindows()
{
    QFETCH(bool, dialogMinimised);
    QFETCH(bool, panelMinimised);
    auto fixture = startedProgram();
    PanelWindow &panel = fixture->program.form1().ui();
    QDialog dialog(&panel);
    dialog.show();
    if (dialogMinimised)
        dialog.showMinimized();
    if (panelMinimised)
        panel.showMinimized();

    arrive(*fixture, { "lumetra", "--clock" });

    QVERIFY(!fixture->program.form2().isLoaded());
    QVERIFY(dialog.isVisible() && !dialog.isMinimized());
    QVERIFY(panel.isVisible() && !panel.isMinimized());
}

void TestActivation::requestDuringTheClocksReportRunsAfterIt()
{
    // Letters where the clock's load reads a number: the clock's opening reports them.
    auto fixture = startedProgram({ { "Check1", "abc" } });
    Program &program = fixture->program;
    fixture->platform.messages.clear();
    fixture->platform.whileMessageOpen = [&] { arrive(*fixture, { "lumetra", "--clock" }); };

    arrive(*fixture, { "lumetra", "--clock" });
    QCoreApplication::processEvents();

    // One opening, one report; the second request found the clock shown.
    QCOMPARE(fixture->platform.messageTexts(),
             QStringList { ErrorReport::messageText("Type mismatch", "in Lumetra2021/08/31.Form2.Form_Load ", 104) });
    QVERIFY(program.form2().isShown());
    QVERIFY(!program.form1().isLoaded());
    QVERIFY(program.form1().mDontUnload);
    QVERIFY(!program.hasEnded());
}

void TestActivation::endedProgramIgnoresLaterStarts()
{
    auto fixture = startedProgram();
    fixture->program.end();
    arrive(*fixture, { "lumetra", "--clock" });
    QVERIFY(!fixture->program.form1().isShown());
    QVERIFY(!fixture->program.form2().isShown());
}

QTEST_MAIN(TestActivation)
#include "tst_activation.moc"

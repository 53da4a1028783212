#include "clock/Form2.h"
#include "panel/Form1.h"
#include "panel/Form3.h"
#include "panel/PanelWindow.h"
#include "support/ProgramFixture.h"

#include <QPushButton>
#include <QTest>

// What the running copy does when another start hands it its arguments.
class TestActivation : public QObject {
    Q_OBJECT

private slots:
    void laterStartBringsTheRightWindowForward_data();
    void laterStartBringsTheRightWindowForward();
    void endedProgramIgnoresLaterStarts();
};

namespace {

enum class Before { Panel, PanelHidden, Clock, ColourWindow };

void arrange(ProgramFixture &fixture, Before before)
{
    Form1 &panel = fixture.program.form1();
    switch (before) {
    case Before::Panel:
        break;
    case Before::PanelHidden:
        panel.Hide();
        break;
    case Before::Clock:
        panel.ui().PushButton1->click();
        break;
    case Before::ColourWindow:
        panel.ui().PushButton4->click();
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

    program.activate(arguments);

    QCOMPARE(program.form1().isShown(), panelShown);
    QCOMPARE(program.form2().isShown(), clockShown);
    QCOMPARE(program.form3().isShown(), colourWindowShown);
    QVERIFY(!program.hasEnded());
    QCOMPARE(fixture->platform.messageTexts(), QStringList());
}

void TestActivation::endedProgramIgnoresLaterStarts()
{
    auto fixture = startedProgram();
    fixture->program.end();
    fixture->program.activate({ "lumetra", "--clock" });
    QVERIFY(!fixture->program.form1().isShown());
    QVERIFY(!fixture->program.form2().isShown());
}

QTEST_MAIN(TestActivation)
#include "tst_activation.moc"

#include "base/ErrorReport.h"
#include "clock/ClockWindow.h"
#include "clock/Form2.h"
#include "panel/Form1.h"
#include "panel/PanelWindow.h"
#include "support/ProgramFixture.h"
#include "support/ScopedEnvironment.h"
#include "support/TestFiles.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

// What happens in a run, from the start.
enum class Event { Start, StartWithTheClock, ClockOpenedAndClosed, FormatChosen, ZoneChosen, FontCancelled };

const QString loadLocation = QStringLiteral("in Lumetra2021/08/31.Form1.Form_Load ");

}

class TestForm1 : public QObject {
    Q_OBJECT

private slots:
    void firstRunShowsDefaults();
    void storedChoicesAreRestored_data();
    void storedChoicesAreRestored();
    void lettersUnderCheck1AreReportedOnceAndStartUpGoesOn();
    void layoutAsDesigned();
    void tabOrder();
    void setAppTitleDropsTheLastWord();
    void homePageOpensOnADrawOfSeven_data();
    void homePageOpensOnADrawOfSeven();
    void homePageNeverOpensOverTheClock_data();
    void homePageNeverOpensOverTheClock();
    void failingHomePageIsIgnored();
    void onlyChoicesReachTheFile_data();
    void onlyChoicesReachTheFile();
    void startUpBoxShowsASitesStartAtLogIn();
    void formatOptionClickStoresAllThree();
    void checkBoxesStoreTheirValues();
    void untickingStartUpClearsAndHidesCheck8();
    void closingThePanelEndsTheProgram();
    void closingForTheClockKeepsTheProgramAndReloadsHidden();
    void pointerFollowsTheMouse();
    void pointerFileGivesTheHandPicture();
    void unreadablePointerFileIsReported();
};

void TestForm1::firstRunShowsDefaults()
{
    auto fixture = startedProgram();
    PanelWindow &ui = fixture->program.form1().ui();
    QVERIFY(ui.isVisible());
    QVERIFY(ui.Option1->isChecked());
    QVERIFY(!ui.Option2->isChecked());
    QVERIFY(!ui.Option3->isChecked());
    QCOMPARE(ui.Check1->checkState(), Qt::Unchecked);
    QCOMPARE(ui.Check4->checkState(), Qt::Checked);
    QCOMPARE(ui.Check3->checkState(), Qt::Unchecked);
    QCOMPARE(ui.Check8->checkState(), Qt::Unchecked);
    QVERIFY(ui.Check8->isHidden());
    QVERIFY(!fixture->program.form1().isLoading());
    QVERIFY(!fixture->program.form1().mDontUnload);
    QVERIFY(fixture->platform.messages.isEmpty());
    QVERIFY(fixture->platform.openedUrls.isEmpty());
}

void TestForm1::storedChoicesAreRestored_data()
{
    QTest::addColumn<StoredValues>("stored");
    QTest::addColumn<QList<bool>>("options");
    QTest::addColumn<int>("check1");
    QTest::addColumn<int>("check3");
    QTest::addColumn<int>("check4");
    QTest::addColumn<int>("check8");
    using Values = QMap<QString, QString>;
    QTest::newRow("start-up On") << Values { { "Windows Startup", "On" } } << QList<bool> { true, false, false } << 0
                                 << 1 << 1 << 0;
    QTest::newRow("start-up in small letters stays off")
        << Values { { "Windows Startup", "on" } } << QList<bool> { true, false, false } << 0 << 0 << 1 << 0;
    QTest::newRow("no format selected") << Values { { "Option1", "False" },
                                                    { "Option2", "False" },
                                                    { "Option3", "False" } }
                                        << QList<bool> { false, false, false } << 0 << 0 << 1 << 0;
    QTest::newRow("24-hour format") << Values { { "Option1", "False" }, { "Option2", "False" }, { "Option3", "True" } }
                                    << QList<bool> { false, false, true } << 0 << 0 << 1 << 0;
    QTest::newRow("numeric option texts")
        << Values { { "Option1", "0" }, { "Option2", "-1" } } << QList<bool> { false, true, false } << 0 << 0 << 1 << 0;
    QTest::newRow("hint hidden, keep-awake off")
        << Values { { "Check1", "1" }, { "Check4", "0" } } << QList<bool> { true, false, false } << 1 << 0 << 0 << 0;
    QTest::newRow("minimized On") << Values { { "Minimized", "On" } } << QList<bool> { true, false, false } << 0 << 0
                                  << 1 << 1;
}

void TestForm1::storedChoicesAreRestored()
{
    QFETCH(StoredValues, stored);
    QFETCH(QList<bool>, options);
    QFETCH(int, check1);
    QFETCH(int, check3);
    QFETCH(int, check4);
    QFETCH(int, check8);
    auto fixture = startedProgram(stored);
    PanelWindow &ui = fixture->program.form1().ui();
    QCOMPARE((QList<bool> { ui.Option1->isChecked(), ui.Option2->isChecked(), ui.Option3->isChecked() }), options);
    QCOMPARE(ui.Check1->isChecked() ? 1 : 0, check1);
    QCOMPARE(ui.Check3->isChecked() ? 1 : 0, check3);
    QCOMPARE(ui.Check4->isChecked() ? 1 : 0, check4);
    QCOMPARE(ui.Check8->isChecked() ? 1 : 0, check8);
    QVERIFY(ui.Check8->isHidden());
    QVERIFY(fixture->platform.messages.isEmpty());
    // Restoring the boxes never rewrites the start-up choices.
    for (const QString &key : { QStringLiteral("Windows Startup"), QStringLiteral("Minimized") })
        QCOMPARE(fixture->store.value(key), stored.value(key));
}

void TestForm1::lettersUnderCheck1AreReportedOnceAndStartUpGoesOn()
{
    auto fixture = startedProgram({ { "Check1", "abc" }, { "Option1", "False" }, { "Option2", "True" } });
    QCOMPARE(fixture->platform.messageTexts(),
             QStringList { ErrorReport::messageText("Type mismatch", loadLocation, 114) });
    PanelWindow &ui = fixture->program.form1().ui();
    QCOMPARE(ui.Check1->checkState(), Qt::Unchecked);
    QVERIFY(ui.Option2->isChecked());
    QCOMPARE(fixture->store.value("Check1"), QStringLiteral("abc"));
    QVERIFY(ui.isVisible());
}

void TestForm1::layoutAsDesigned()
{
    auto fixture = startedProgram();
    PanelWindow &ui = fixture->program.form1().ui();
    QCOMPARE(ui.windowTitle(), QStringLiteral("Lumetra Wall Time Display"));
    QCOMPARE(ui.size(), QSize(536, 460));
    QVERIFY(!ui.SiteLockNote);
    QCOMPARE(ui.minimumSize(), ui.maximumSize());
    QVERIFY(!(ui.windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(ui.PushButton1->geometry(), QRect(8, 8, 520, 27));
    QCOMPARE(ui.PushButton5->geometry(), QRect(8, 425, 520, 27));
    QCOMPARE(ui.Combo1->parentWidget(), ui.Frame2);
    QCOMPARE(ui.Combo1->geometry(), QRect(16, 20, 497, 23));
    QCOMPARE(ui.Option3->geometry(), QRect(16, 67, 405, 17));
    QCOMPARE(ui.PushButton2->text(), QStringLiteral("Change Font Style && Size"));
    QCOMPARE(ui.Check4->text(), QStringLiteral("Prevent computer from sleeping or starting screensaver"));
    QCOMPARE(ui.PushButton1->font().family(), QStringLiteral("Arial"));
    QCOMPARE(ui.PushButton1->font().pointSizeF(), 11.25);
    QVERIFY(ui.Option1->font().bold());
    QCOMPARE(ui.Option1->font().pointSize(), 9);
    QCOMPARE(ui.Combo1->insertPolicy(), QComboBox::NoInsert);
}

void TestForm1::tabOrder()
{
    auto fixture = startedProgram();
    PanelWindow &ui = fixture->program.form1().ui();
    const QList<QWidget *> order
        = { ui.Combo1, ui.Check4,      ui.Check1,      ui.PushButton2, ui.PushButton3, ui.PushButton1, ui.Check3,
            ui.Check8, ui.PushButton4, ui.PushButton5, ui.Option1,     ui.Option3,     ui.Option2 };
    // Frames sit in the chain too, but take no focus.
    QList<QWidget *> chain;
    for (QWidget *widget = ui.Combo1; chain.size() < order.size(); widget = widget->nextInFocusChain()) {
        if (order.contains(widget))
            chain.append(widget);
    }
    QCOMPARE(chain, order);
}

void TestForm1::setAppTitleDropsTheLastWord()
{
    auto fixture = startedProgram();
    QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Lumetra Wall Time"));
}

void TestForm1::homePageOpensOnADrawOfSeven_data()
{
    QTest::addColumn<double>("draw");
    QTest::addColumn<bool>("opens");
    QTest::newRow("seven") << 0.065 << true;
    QTest::newRow("six") << 0.055 << false;
    QTest::newRow("eight") << 0.075 << false;
}

void TestForm1::homePageOpensOnADrawOfSeven()
{
    QFETCH(double, draw);
    QFETCH(bool, opens);
    ProgramFixture fixture;
    fixture.platform.now = QDateTime(QDate(2026, 3, 1), QTime(10, 20, 30));
    fixture.platform.draws = { draw };
    fixture.program.start();
    QCOMPARE(fixture.platform.seeds, QList<quint32> { 10 * 3600 + 20 * 60 + 30 });
    QCOMPARE(fixture.platform.openedUrls.size(), opens ? 1 : 0);
    if (opens)
        QCOMPARE(fixture.platform.openedUrls.first().scheme(), QStringLiteral("https"));
    QVERIFY(fixture.program.form1().ui().isVisible());
}

void TestForm1::homePageNeverOpensOverTheClock_data()
{
    QTest::addColumn<bool>("startUpOption");
    QTest::addColumn<bool>("openClock");
    QTest::newRow("start that opens the clock") << true << false;
    QTest::newRow("start asked on the command line to open the clock") << false << true;
}

void TestForm1::homePageNeverOpensOverTheClock()
{
    QFETCH(bool, startUpOption);
    QFETCH(bool, openClock);
    ProgramFixture fixture;
    fixture.store.seed({ { "Windows Startup", startUpOption ? "On" : "Off" } });
    // Every draw would open the home page.
    fixture.platform.draws = { 0.065, 0.065, 0.065 };
    fixture.program.setStartRequest(openClock, {});
    fixture.program.start();
    fixture.program.form2().Timer1_Timer();
    QVERIFY(fixture.program.form2().ui().isVisible());
    QVERIFY(fixture.platform.openedUrls.isEmpty());
    QVERIFY(fixture.platform.messages.isEmpty());
}

void TestForm1::failingHomePageIsIgnored()
{
    ProgramFixture fixture;
    fixture.platform.draws = { 0.065 };
    fixture.platform.openUrlSucceeds = false;
    fixture.program.start();
    QCOMPARE(fixture.platform.openedUrls.size(), 1);
    QCOMPARE(fixture.platform.messageTexts(), QStringList());
    QVERIFY(fixture.program.form1().ui().isVisible());
}

void TestForm1::onlyChoicesReachTheFile_data()
{
    QTest::addColumn<int>("event");
    QTest::addColumn<QStringList>("keys");
    QTest::newRow("a first start") << int(Event::Start) << QStringList();
    QTest::newRow("a start that opens the clock") << int(Event::StartWithTheClock) << QStringList { "Windows Startup" };
    // The offscreen screen has no name to remember.
    QTest::newRow("the clock opened, ticking, closed") << int(Event::ClockOpenedAndClosed) << QStringList();
    QTest::newRow("a format chosen") << int(Event::FormatChosen) << QStringList { "Option1", "Option2", "Option3" };
    QTest::newRow("a zone chosen") << int(Event::ZoneChosen) << QStringList { "Combo1", "Time Zone Name" };
    QTest::newRow("the font dialog cancelled") << int(Event::FontCancelled) << QStringList();
}

void TestForm1::onlyChoicesReachTheFile()
{
    QFETCH(int, event);
    QFETCH(QStringList, keys);
    auto fixture = startedProgram(
        Event(event) == Event::StartWithTheClock ? StoredValues { { "Windows Startup", "On" } } : StoredValues {});
    PanelWindow &panel = fixture->program.form1().ui();
    switch (Event(event)) {
    case Event::Start:
    case Event::StartWithTheClock:
        break;
    case Event::ClockOpenedAndClosed:
        panel.PushButton1->click();
        fixture->program.form2().Timer1_Timer();
        QTest::keyClick(&fixture->program.form2().ui(), Qt::Key_Escape);
        break;
    case Event::FormatChosen:
        panel.Option3->click();
        break;
    case Event::ZoneChosen:
        panel.Combo1->setCurrentIndex(panel.Combo1->currentIndex() + 1);
        break;
    case Event::FontCancelled:
        panel.PushButton2->click();
        break;
    }
    QCoreApplication::processEvents();
    QCOMPARE(fixture->store.keys(), keys);
}

void TestForm1::startUpBoxShowsASitesStartAtLogIn()
{
    QTemporaryDir site;
    const ScopedEnvironment dirs("XDG_CONFIG_DIRS", QFile::encodeName(site.path()));
    TestFiles::write(site.filePath("autostart/lumetra.desktop"), "[Desktop Entry]\n");
    ProgramFixture fixture;
    fixture.program.setExecutablePath(QStringLiteral("/usr/bin/lumetra"));
    fixture.program.start();
    QCOMPARE(fixture.program.form1().ui().Check3->checkState(), Qt::Checked);
}

void TestForm1::formatOptionClickStoresAllThree()
{
    auto fixture = startedProgram();
    PanelWindow &ui = fixture->program.form1().ui();
    ui.Option3->click();
    QCOMPARE(fixture->store.value("Option1"), QStringLiteral("False"));
    QCOMPARE(fixture->store.value("Option2"), QStringLiteral("False"));
    QCOMPARE(fixture->store.value("Option3"), QStringLiteral("True"));
    ui.Option2->click();
    QCOMPARE(fixture->store.value("Option2"), QStringLiteral("True"));
    QCOMPARE(fixture->store.value("Option3"), QStringLiteral("False"));
}

void TestForm1::checkBoxesStoreTheirValues()
{
    auto fixture = startedProgram();
    PanelWindow &ui = fixture->program.form1().ui();
    ui.Check1->click();
    QCOMPARE(fixture->store.value("Check1"), QStringLiteral("1"));
    ui.Check4->click();
    QCOMPARE(fixture->store.value("Check4"), QStringLiteral("0"));
    ui.Check3->click();
    QCOMPARE(fixture->store.value("Windows Startup"), QStringLiteral("On"));
    ui.Check8->setChecked(true);
    QCOMPARE(fixture->store.value("Minimized"), QStringLiteral("On"));
}

void TestForm1::untickingStartUpClearsAndHidesCheck8()
{
    auto fixture = startedProgram({ { "Windows Startup", "On" }, { "Minimized", "On" } });
    PanelWindow &ui = fixture->program.form1().ui();
    ui.Check8->show();
    ui.Check3->click();
    QCOMPARE(ui.Check8->checkState(), Qt::Unchecked);
    QVERIFY(ui.Check8->isHidden());
    QCOMPARE(fixture->store.value("Minimized"), QStringLiteral("Off"));
    QCOMPARE(fixture->store.value("Windows Startup"), QStringLiteral("Off"));
}

void TestForm1::closingThePanelEndsTheProgram()
{
    auto fixture = startedProgram();
    QSignalSpy ended(&fixture->program, &Program::ended);
    fixture->program.form1().ui().close();
    QVERIFY(fixture->program.hasEnded());
    QCOMPARE(ended.size(), 1);
    QVERIFY(!fixture->program.form1().isLoaded());
    QVERIFY(fixture->platform.messages.isEmpty());
}

void TestForm1::closingForTheClockKeepsTheProgramAndReloadsHidden()
{
    auto fixture = startedProgram({ { "Option3", "True" }, { "Option1", "False" } });
    Form1 &form1 = fixture->program.form1();
    form1.mDontUnload = true;
    form1.ui().Option2->click();
    form1.Unload();
    QVERIFY(!fixture->program.hasEnded());
    QVERIFY(!form1.isLoaded());
    QCOMPARE(fixture->platform.seeds.size(), 1);

    // Reaching a control makes the window again, hidden, running its load once more.
    QVERIFY(form1.ui().Option2->isChecked());
    QVERIFY(form1.isLoaded());
    QVERIFY(!form1.ui().isVisible());
    // A reload draws no home-page chance: only a start that shows the panel does.
    QCOMPARE(fixture->platform.seeds.size(), 1);
    QVERIFY(!form1.mDontUnload);
}

void TestForm1::pointerFollowsTheMouse()
{
    auto fixture = startedProgram();
    PanelWindow &ui = fixture->program.form1().ui();
    QCOMPARE(ui.pointer.code(), int(MousePointer::Default));
    moveMouseOver(*ui.PushButton3);
    QCOMPARE(ui.pointer.code(), int(MousePointer::Custom));
    moveMouseOver(*ui.Frame1);
    QCOMPARE(ui.pointer.code(), int(MousePointer::Default));
    moveMouseOver(*ui.PushButton1);
    moveMouseOver(ui);
    QCOMPARE(ui.pointer.code(), int(MousePointer::Default));
    ui.pointer.set(MousePointer::Hourglass);
    moveMouseOver(*ui.PushButton1);
    moveMouseOver(*ui.Frame4);
    QCOMPARE(ui.pointer.code(), int(MousePointer::Hourglass));
}

void TestForm1::pointerFileGivesTheHandPicture()
{
    ProgramFixture fixture;
    QImage hand(16, 16, QImage::Format_ARGB32);
    hand.fill(Qt::red);
    QVERIFY(hand.save(fixture.programFile("HAND-M.CUR"), "PNG"));
    fixture.program.start();
    PanelWindow &ui = fixture.program.form1().ui();
    QCOMPARE(ui.cursor().shape(), Qt::ArrowCursor);
    moveMouseOver(*ui.PushButton2);
    QCOMPARE(ui.cursor().shape(), Qt::BitmapCursor);
    moveMouseOver(ui);
    QCOMPARE(ui.cursor().shape(), Qt::ArrowCursor);
    QVERIFY(fixture.platform.messages.isEmpty());
}

void TestForm1::unreadablePointerFileIsReported()
{
    ProgramFixture fixture;
    QFile garbage(fixture.programFile("HAND-M.CUR"));
    QVERIFY(garbage.open(QIODevice::WriteOnly));
    garbage.write("not a picture");
    garbage.close();
    fixture.program.start();
    QCOMPARE(fixture.platform.messageTexts(),
             QStringList { ErrorReport::messageText("Invalid picture", loadLocation, 104) });
    PanelWindow &ui = fixture.program.form1().ui();
    moveMouseOver(*ui.PushButton2);
    QCOMPARE(ui.cursor().shape(), Qt::ArrowCursor);
}

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"

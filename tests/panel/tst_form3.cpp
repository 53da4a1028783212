#include "base/ErrorReport.h"
#include "panel/ColourWindow.h"
#include "panel/Form1.h"
#include "panel/Form3.h"
#include "panel/PanelWindow.h"
#include "panel/SwatchLabel.h"
#include "support/ProgramFixture.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

const QString loadLocation = QStringLiteral("in Lumetra2021/08/31.Form3.Form_Load ");

// A started program with the colour window opened from the panel.
std::unique_ptr<ProgramFixture> openedColourWindow(const StoredValues &stored = {})
{
    auto fixture = std::make_unique<ProgramFixture>();
    fixture->store.seed(stored);
    fixture->program.start();
    fixture->program.form1().ui().PushButton4->click();
    return fixture;
}

void clickOn(QWidget &widget)
{
    QTest::mouseClick(&widget, Qt::LeftButton, {}, QPoint(5, 5));
}

}

class TestForm3 : public QObject {
    Q_OBJECT

private slots:
    void changeColorHidesThePanelAndShowsTheWindow();
    void closingTheWindowShowsThePanelAgain_data();
    void closingTheWindowShowsThePanelAgain();
    void nothingStoredShowsWhiteOnBlackAndCancelsStoreNothing();
    void storedColoursShowAndAreGivenToTheDialog();
    void pickedColourIsShownAndStoredAndReadOnTheNextOpening_data();
    void pickedColourIsShownAndStoredAndReadOnTheNextOpening();
    void badStoredColourIsReportedAndTheSwatchKeepsTheButtonFace_data();
    void badStoredColourIsReportedAndTheSwatchKeepsTheButtonFace();
    void resetWritesWhiteOnBlack();
    void closingThePanelEndsTheProgramAndClosesTheWindow();
    void layoutAsDesigned();
    void dressedInButtonFace();
    void focusStartsOnTheFirstSwatchAndNeverOutOfSight();
    void pointerFollowsTheMouse();
    void pointerFileGivesTheHandPicture();
};

void TestForm3::changeColorHidesThePanelAndShowsTheWindow()
{
    auto fixture = openedColourWindow();
    QVERIFY(fixture->program.form3().isLoaded());
    QVERIFY(fixture->program.form3().ui().isVisible());
    QVERIFY(fixture->program.form1().isLoaded());
    QVERIFY(!fixture->program.form1().ui().isVisible());
    QVERIFY(fixture->platform.messages.isEmpty());
}

void TestForm3::closingTheWindowShowsThePanelAgain_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Close button") << "button";
    QTest::newRow("window close") << "close";
    // Esc closes it as the Close button does, wherever the focus is in it.
    QTest::newRow("Esc on a swatch") << "Esc on Label1";
    QTest::newRow("Esc on the Close button") << "Esc on PushButton1";
}

void TestForm3::closingTheWindowShowsThePanelAgain()
{
    QFETCH(QString, how);
    auto fixture = openedColourWindow();
    Form3 &form3 = fixture->program.form3();
    ColourWindow &ui = form3.ui();
    if (how == "button")
        ui.PushButton1->click();
    else if (how == "close")
        ui.close();
    else
        QTest::keyClick(how.endsWith("Label1") ? static_cast<QWidget *>(ui.Label1) : ui.PushButton1, Qt::Key_Escape);
    QVERIFY(!form3.isLoaded());
    QVERIFY(fixture->program.form1().ui().isVisible());
    QVERIFY(!fixture->program.hasEnded());
    QVERIFY(fixture->platform.messages.isEmpty());
}

void TestForm3::nothingStoredShowsWhiteOnBlackAndCancelsStoreNothing()
{
    auto fixture = openedColourWindow();
    ColourWindow &ui = fixture->program.form3().ui();
    QCOMPARE(backgroundOf(*ui.Label1), QColor(Qt::white));
    QCOMPARE(backgroundOf(*ui.Label2), QColor(Qt::black));
    clickOn(*ui.Label1);
    clickOn(*ui.Label2);
    QCOMPARE(fixture->platform.colourPresets, (QList<qint32> { 16777215, 0 }));
    QCOMPARE(fixture->store.value("Font Color"), QString());
    QCOMPARE(fixture->store.value("Background Color"), QString());
    QCOMPARE(backgroundOf(*ui.Label1), QColor(Qt::white));
    QCOMPARE(backgroundOf(*ui.Label2), QColor(Qt::black));
}

void TestForm3::storedColoursShowAndAreGivenToTheDialog()
{
    auto fixture = openedColourWindow({ { "Font Color", "255" }, { "Background Color", "16711680" } });
    ColourWindow &ui = fixture->program.form3().ui();
    QCOMPARE(backgroundOf(*ui.Label1), QColor(Qt::red));
    QCOMPARE(backgroundOf(*ui.Label2), QColor(Qt::blue));
    clickOn(*ui.Label1);
    clickOn(*ui.Label2);
    QCOMPARE(fixture->platform.colourPresets, (QList<qint32> { 255, 16711680 }));
}

void TestForm3::pickedColourIsShownAndStoredAndReadOnTheNextOpening_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("clicks") << 0;
    QTest::newRow("Space") << int(Qt::Key_Space);
    QTest::newRow("Enter") << int(Qt::Key_Return);
}

void TestForm3::pickedColourIsShownAndStoredAndReadOnTheNextOpening()
{
    QFETCH(int, key);
    auto fixture = openedColourWindow();
    fixture->platform.colourAnswers = { 0x00FF00, 0x123456 };
    Form3 &form3 = fixture->program.form3();
    for (SwatchLabel *swatch : { form3.ui().Label1, form3.ui().Label2 })
        key ? QTest::keyClick(swatch, Qt::Key(key)) : clickOn(*swatch);
    QCOMPARE(backgroundOf(*form3.ui().Label1), QColor(0, 255, 0));
    QCOMPARE(fixture->store.value("Font Color"), QStringLiteral("65280"));
    QCOMPARE(fixture->store.value("Background Color"), QString::number(0x123456));

    form3.ui().PushButton1->click();
    fixture->program.form1().ui().PushButton4->click();
    QCOMPARE(backgroundOf(*form3.ui().Label1), QColor(0, 255, 0));
    QCOMPARE(backgroundOf(*form3.ui().Label2), QColor(0x56, 0x34, 0x12));
}

void TestForm3::badStoredColourIsReportedAndTheSwatchKeepsTheButtonFace_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("description");
    QTest::addColumn<int>("line");
    QTest::newRow("letters under Font Color") << "Font Color"
                                              << "abc"
                                              << "Type mismatch" << 108;
    QTest::newRow("beyond 32 bits under Font Color") << "Font Color"
                                                     << "4294967296"
                                                     << "Overflow" << 108;
    QTest::newRow("top byte set under Font Color") << "Font Color"
                                                   << "16777216"
                                                   << "Invalid property value" << 108;
    QTest::newRow("letters under Background Color") << "Background Color"
                                                    << "black"
                                                    << "Type mismatch" << 110;
}

void TestForm3::badStoredColourIsReportedAndTheSwatchKeepsTheButtonFace()
{
    QFETCH(QString, key);
    QFETCH(QString, text);
    QFETCH(QString, description);
    QFETCH(int, line);
    auto fixture = openedColourWindow({ { key, text } });
    const QStringList keysBefore = fixture->store.keys();
    ColourWindow &ui = fixture->program.form3().ui();
    QCOMPARE(fixture->platform.messageTexts(),
             QStringList { ErrorReport::messageText(description, loadLocation, line) });
    const bool digits = key == QLatin1String("Font Color");
    QCOMPARE(backgroundOf(*ui.Label1), digits ? buttonFace() : QColor(Qt::white));
    QCOMPARE(backgroundOf(*ui.Label2), digits ? QColor(Qt::black) : buttonFace());
    QVERIFY(ui.isVisible());
    QCOMPARE(fixture->store.keys(), keysBefore);
    QCOMPARE(fixture->store.value(key), text);
}

void TestForm3::resetWritesWhiteOnBlack()
{
    ProgramFixture fixture;
    fixture.store.seed({ { "Font Color", "255" }, { "Background Color", "abc" } });
    fixture.program.start();
    fixture.program.form1().ui().PushButton5->click();
    QCOMPARE(fixture.store.value("Font Color"), QStringLiteral("16777215"));
    QCOMPARE(fixture.store.value("Background Color"), QStringLiteral("0"));
    QVERIFY(!fixture.program.form3().isLoaded());
    QVERIFY(fixture.platform.messages.isEmpty());
}

void TestForm3::closingThePanelEndsTheProgramAndClosesTheWindow()
{
    auto fixture = openedColourWindow();
    QSignalSpy ended(&fixture->program, &Program::ended);
    fixture->program.form1().Unload();
    QCOMPARE(ended.size(), 1);
    QVERIFY(!fixture->program.form3().isLoaded());
    QVERIFY(!fixture->program.form1().isLoaded());
}

void TestForm3::layoutAsDesigned()
{
    auto fixture = openedColourWindow();
    ColourWindow &ui = fixture->program.form3().ui();
    QCOMPARE(ui.windowTitle(), QStringLiteral("Lumetra Wall Time Display"));
    QCOMPARE(ui.size(), QSize(536, 111));
    QCOMPARE(ui.minimumSize(), ui.maximumSize());
    QVERIFY(!(ui.windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(ui.Frame1->title(), QStringLiteral("Text Color Option"));
    QCOMPARE(ui.Frame1->geometry(), QRect(8, 2, 256, 65));
    QCOMPARE(ui.Frame2->title(), QStringLiteral("Background Color Option"));
    QCOMPARE(ui.Frame2->geometry(), QRect(272, 2, 256, 65));
    QCOMPARE(ui.Label1->parentWidget(), ui.Frame1);
    QCOMPARE(ui.Label2->parentWidget(), ui.Frame2);
    QCOMPARE(ui.Label1->geometry(), QRect(16, 20, 220, 33));
    QVERIFY(ui.Label1->text().isEmpty());
    QCOMPARE(ui.PushButton1->text(), QStringLiteral("Close"));
    QCOMPARE(ui.PushButton1->geometry(), QRect(8, 76, 520, 27));
    QCOMPARE(ui.PushButton1->font().family(), QStringLiteral("Arial"));
    QCOMPARE(ui.PushButton1->font().pointSizeF(), 11.25);
    QVERIFY(ui.PushButton1->font().bold());
    QCOMPARE(ui.Frame1->font().family(), QStringLiteral("Arial"));
    QCOMPARE(ui.Frame1->font().pointSize(), 9);
    QVERIFY(ui.Frame1->font().bold());
    // Text1 lies below the client area, out of sight.
    QCOMPARE(ui.Text1->text(), QStringLiteral("Text1"));
    QVERIFY(ui.Text1->geometry().top() >= ui.height());
    // Opened in the centre of the screen, give or take the frame that the platform adds.
    const QPoint offCentre = ui.frameGeometry().center() - ui.screen()->availableGeometry().center();
    const QSize frame = ui.frameGeometry().size() - ui.size();
    QVERIFY(qAbs(offCentre.x()) <= frame.width());
    QVERIFY(qAbs(offCentre.y()) <= frame.height());
}

void TestForm3::dressedInButtonFace()
{
    auto fixture = openedColourWindow();
    ColourWindow &ui = fixture->program.form3().ui();
    QCOMPARE(backgroundOf(ui), buttonFace());
    QCOMPARE(backgroundOf(*ui.Frame1), buttonFace());
    QCOMPARE(backgroundOf(*ui.Frame2), buttonFace());
    QCOMPARE(ui.PushButton1->palette().color(QPalette::Button), QColor(Qt::white));
}

void TestForm3::focusStartsOnTheFirstSwatchAndNeverOutOfSight()
{
    auto fixture = openedColourWindow();
    ColourWindow &ui = fixture->program.form3().ui();
    QVERIFY(QTest::qWaitForWindowActive(&ui));
    QCOMPARE(QApplication::focusWidget(), ui.Label1);
    QCOMPARE(ui.Text1->focusPolicy(), Qt::NoFocus);
    QTest::keyClick(ui.Label1, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), ui.Label2);
}

void TestForm3::pointerFollowsTheMouse()
{
    auto fixture = openedColourWindow();
    ColourWindow &ui = fixture->program.form3().ui();
    QCOMPARE(ui.pointer.code(), int(MousePointer::Default));
    moveMouseOver(*ui.Label1);
    QCOMPARE(ui.pointer.code(), int(MousePointer::Custom));
    moveMouseOver(*ui.Frame2);
    QCOMPARE(ui.pointer.code(), int(MousePointer::Default));
    moveMouseOver(*ui.Label2);
    QCOMPARE(ui.pointer.code(), int(MousePointer::Custom));
    moveMouseOver(ui);
    QCOMPARE(ui.pointer.code(), int(MousePointer::Default));
    moveMouseOver(*ui.PushButton1);
    QCOMPARE(ui.pointer.code(), int(MousePointer::Custom));
    moveMouseOver(*ui.Frame1);
    QCOMPARE(ui.pointer.code(), int(MousePointer::Default));
    ui.pointer.set(MousePointer::Hourglass);
    moveMouseOver(*ui.Label1);
    moveMouseOver(ui);
    QCOMPARE(ui.pointer.code(), int(MousePointer::Hourglass));
}

void TestForm3::pointerFileGivesTheHandPicture()
{
    ProgramFixture fixture;
    QImage hand(16, 16, QImage::Format_ARGB32);
    hand.fill(Qt::red);
    QVERIFY(hand.save(fixture.programFile("HAND-M.CUR"), "PNG"));
    fixture.program.start();
    fixture.program.form1().ui().PushButton4->click();
    ColourWindow &ui = fixture.program.form3().ui();
    QCOMPARE(ui.cursor().shape(), Qt::ArrowCursor);
    moveMouseOver(*ui.Label2);
    QCOMPARE(ui.cursor().shape(), Qt::BitmapCursor);
    moveMouseOver(*ui.Frame2);
    QCOMPARE(ui.cursor().shape(), Qt::ArrowCursor);
    QVERIFY(fixture.platform.messages.isEmpty());
}

QTEST_MAIN(TestForm3)
#include "tst_form3.moc"

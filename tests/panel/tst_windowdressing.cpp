#include "dressing/SkinFramework.h"
#include "dressing/WindowDressing.h"
#include "panel/Form1.h"
#include "panel/PanelWindow.h"
#include "support/ProgramFixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

void writeSkin(const ProgramFixture &fixture, const QByteArray &sheet)
{
    QVERIFY(QDir(fixture.programFolder.path()).mkpath("x"));
    QFile skin(fixture.programFile("x/o.cjs"));
    QVERIFY(skin.open(QIODevice::WriteOnly));
    skin.write(sheet);
}

}

class TestWindowDressing : public QObject {
    Q_OBJECT

private slots:
    void cleanup();
    void withoutSkinThePanelKeepsItsDesignColours();
    void captionsLieOnTheirFramesBackground_data();
    void captionsLieOnTheirFramesBackground();
    void skinFolderInsteadOfFileIsNoSkin();
    void skinFileDressesPanelAndLaterWindows();
    void setFormColorsPaintsOnlyPlainControls();
};

void TestWindowDressing::cleanup()
{
    qApp->setStyleSheet(QString());
}

void TestWindowDressing::withoutSkinThePanelKeepsItsDesignColours()
{
    ProgramFixture fixture;
    fixture.program.start();
    PanelWindow &ui = fixture.program.form1().ui();
    QCOMPARE(backgroundOf(ui), QColor(Qt::white));
    QCOMPARE(backgroundOf(*ui.Frame4), QColor(Qt::white));
    QCOMPARE(backgroundOf(*ui.Option1), QColor(Qt::white));
    QCOMPARE(backgroundOf(*ui.Check1), QColor(Qt::white));
    QCOMPARE(backgroundOf(*ui.PushButton1), QColor(Qt::white));
    QVERIFY(!fixture.program.form1().SkinFramework1.isLoaded());
    QVERIFY(qApp->styleSheet().isEmpty());
    // What the user sees: the bare window is white.
    QCOMPARE(ui.grab().toImage().pixelColor(2, ui.height() - 2), QColor(Qt::white));
}

void TestWindowDressing::captionsLieOnTheirFramesBackground_data()
{
    QTest::addColumn<bool>("skinned");
    QTest::newRow("design colours") << false;
    QTest::newRow("skin's button face") << true;
}

void TestWindowDressing::captionsLieOnTheirFramesBackground()
{
    QFETCH(bool, skinned);
    ProgramFixture fixture;
    if (skinned)
        writeSkin(fixture, "QPushButton { color: rgb(200, 0, 0); }");
    fixture.program.start();
    PanelWindow &ui = fixture.program.form1().ui();
    const QImage shot = ui.grab().toImage();
    // Past a caption's text, inside the control, the frame shows as it does just beyond
    // the control's right edge.
    const QList<QAbstractButton *> controls = { ui.Option1, ui.Option2, ui.Option3, ui.Check4, ui.Check1, ui.Check3 };
    for (QAbstractButton *control : controls) {
        const int row = control->height() / 2;
        const QColor inside = shot.pixelColor(control->mapTo(&ui, QPoint(control->width() - 3, row)));
        const QColor beyond = shot.pixelColor(control->mapTo(&ui, QPoint(control->width() + 3, row)));
        QVERIFY2(inside == beyond,
                 qPrintable(
                     QStringLiteral("%1: %2 inside, %3 beside it").arg(control->text(), inside.name(), beyond.name())));
    }
}

void TestWindowDressing::skinFolderInsteadOfFileIsNoSkin()
{
    ProgramFixture fixture;
    QVERIFY(QDir(fixture.programFolder.path()).mkpath("x/o.cjs"));
    fixture.program.start();
    QVERIFY(!fixture.program.form1().SkinFramework1.isLoaded());
    QCOMPARE(backgroundOf(fixture.program.form1().ui()), QColor(Qt::white));
}

void TestWindowDressing::skinFileDressesPanelAndLaterWindows()
{
    ProgramFixture fixture;
    const QByteArray sheet("QPushButton { color: rgb(200, 0, 0); }");
    writeSkin(fixture, sheet);
    fixture.program.start();
    PanelWindow &ui = fixture.program.form1().ui();
    const SkinFramework &skin = fixture.program.form1().SkinFramework1;
    QVERIFY(skin.isLoaded());
    QCOMPARE(skin.ApplyOptions() & 1, 1);
    QVERIFY(skin.AutoApplyNewWindows());
    QVERIFY(skin.AutoApplyNewThreads());
    QCOMPARE(ui.styleSheet(), QString::fromUtf8(sheet));
    for (QWidget *control : QList<QWidget *> { &ui, ui.Frame1, ui.Frame4, ui.Option2, ui.Check3 })
        QCOMPARE(backgroundOf(*control), buttonFace());
    QVERIFY(fixture.platform.messages.isEmpty());

    // A window made later takes the skin too.
    QPushButton later(QStringLiteral("later"));
    later.ensurePolished();
    QCOMPARE(later.palette().color(QPalette::ButtonText), QColor(200, 0, 0));
}

void TestWindowDressing::setFormColorsPaintsOnlyPlainControls()
{
    QWidget window;
    auto *frame = new QGroupBox(QStringLiteral("frame"), &window);
    auto *option = new QRadioButton(QStringLiteral("option"), frame);
    auto *label = new QLabel(QStringLiteral("label"), frame);
    auto *button = new QPushButton(QStringLiteral("button"), &window);
    const QColor buttonBefore = backgroundOf(*button);
    QPalette white = window.palette();
    white.setColor(QPalette::Window, Qt::white);
    window.setPalette(white);
    SetFormColors(window);
    for (QWidget *painted : QList<QWidget *> { &window, frame, option, label })
        QCOMPARE(backgroundOf(*painted), buttonFace());
    QCOMPARE(backgroundOf(*button), buttonBefore);
}

QTEST_MAIN(TestWindowDressing)
#include "tst_windowdressing.moc"

#include "dressing/FocusNeighbours.h"
#include "dressing/TextRoom.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

// How controls of a fixed design make room for their texts and keep the keyboard's focus.
class TestControlDressing : public QObject {
    Q_OBJECT

private slots:
    void windowGrowsByWhatItsMarginCannotHold_data();
    void windowGrowsByWhatItsMarginCannotHold();
    void disabledControlHandsTheFocusWithinItsGroup_data();
    void disabledControlHandsTheFocusWithinItsGroup();
};

void TestControlDressing::windowGrowsByWhatItsMarginCannotHold_data()
{
    // A button 20 pixels in, 70 too narrow for its text; the window's room right of the
    // margin that mirrors those 20 pixels.
    QTest::addColumn<int>("room");
    QTest::addColumn<int>("growth");
    QTest::newRow("room for part") << 60 << 10;
    QTest::newRow("room for all") << 100 << 0;
    QTest::newRow("no room") << 0 << 70;
}

void TestControlDressing::windowGrowsByWhatItsMarginCannotHold()
{
    QFETCH(int, room);
    QFETCH(int, growth);
    QWidget window;
    auto *button = new QPushButton("A button with a rather long text", &window);
    const int narrow = button->sizeHint().width() - 70;
    button->setGeometry(20, 10, narrow, 30);
    const int width = 20 + narrow + 20 + room;
    window.setFixedWidth(width);

    makeRoomForTexts(window);

    QCOMPARE(window.width(), width + growth);
    QCOMPARE(button->width(), narrow + 70);
}

void TestControlDressing::disabledControlHandsTheFocusWithinItsGroup_data()
{
    // Three buttons in a group, then a field outside it, which Qt's own choice would take.
    QTest::addColumn<int>("focused");
    QTest::addColumn<QList<bool>>("enabled");
    QTest::addColumn<int>("expected");
    QTest::newRow("the last, to the first") << 2 << QList<bool> { true, false, false } << 0;
    QTest::newRow("the middle, to the one before") << 1 << QList<bool> { true, false, false } << 0;
    QTest::newRow("the middle, to the next") << 1 << QList<bool> { true, false, true } << 2;
    QTest::newRow("none left: outside") << 1 << QList<bool> { false, false, false } << 3;
}

void TestControlDressing::disabledControlHandsTheFocusWithinItsGroup()
{
    QFETCH(int, focused);
    QFETCH(QList<bool>, enabled);
    QFETCH(int, expected);
    QWidget window;
    QList<QWidget *> controls;
    for (int k = 0; k < 3; ++k) {
        controls.append(new QPushButton(QString::number(k), &window));
        controls.last()->move(0, 30 * k);
    }
    FocusNeighbours::keepFocusInGroup(controls);
    controls.append(new QLineEdit(&window));
    controls.last()->move(0, 90);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    controls[focused]->setFocus();
    QCOMPARE(QApplication::focusWidget(), controls[focused]);

    for (int k = 0; k < 3; ++k)
        controls[k]->setEnabled(enabled[k]);
    QCoreApplication::processEvents();

    QCOMPARE(QApplication::focusWidget(), controls[expected]);
}

QTEST_MAIN(TestControlDressing)
#include "tst_controldressing.moc"

#include "clock/HideWord.h"

#include <QTest>

using HideWord::Key;
using HideWord::State;

Q_DECLARE_METATYPE(HideWord::Key)
Q_DECLARE_METATYPE(HideWord::State)

class TestHideWord : public QObject {
    Q_OBJECT

private slots:
    void transitions_data();
    void transitions();
    void sequences_data();
    void sequences();
};

void TestHideWord::transitions_data()
{
    QTest::addColumn<State>("from");
    QTest::addColumn<Key>("key");
    QTest::addColumn<State>("to");
    QTest::addColumn<bool>("hides");
    const State idle;
    const State one { true, 1 };
    const State two { true, 2 };
    const State three { true, 3 };
    QTest::newRow("idle H arms") << idle << Key::H << one << false;
    QTest::newRow("idle I") << idle << Key::I << idle << false;
    QTest::newRow("idle D") << idle << Key::D << idle << false;
    QTest::newRow("idle E unchanged") << idle << Key::E << idle << false;
    QTest::newRow("idle other") << idle << Key::Other << idle << false;
    QTest::newRow("H then H clears") << one << Key::H << idle << false;
    QTest::newRow("H then I") << one << Key::I << two << false;
    QTest::newRow("H then D clears") << one << Key::D << idle << false;
    QTest::newRow("H then E unchanged") << one << Key::E << one << false;
    QTest::newRow("H then other clears") << one << Key::Other << idle << false;
    QTest::newRow("HI then H clears") << two << Key::H << idle << false;
    QTest::newRow("HI then I clears") << two << Key::I << idle << false;
    QTest::newRow("HI then D") << two << Key::D << three << false;
    QTest::newRow("HI then E unchanged") << two << Key::E << two << false;
    QTest::newRow("HI then other clears") << two << Key::Other << idle << false;
    QTest::newRow("HID then H clears") << three << Key::H << idle << false;
    QTest::newRow("HID then I clears") << three << Key::I << idle << false;
    QTest::newRow("HID then D clears") << three << Key::D << idle << false;
    QTest::newRow("HID then E hides") << three << Key::E << idle << true;
    QTest::newRow("HID then other clears") << three << Key::Other << idle << false;
    // An unarmed state with a step left over: H clears it instead of arming.
    QTest::newRow("stray step then H clears") << State { false, 2 } << Key::H << idle << false;
}

void TestHideWord::transitions()
{
    QFETCH(State, from);
    QFETCH(Key, key);
    QFETCH(State, to);
    QFETCH(bool, hides);
    const HideWord::Result result = HideWord::press(from, key);
    QCOMPARE(result.next, to);
    QCOMPARE(result.hideHint, hides);
}

void TestHideWord::sequences_data()
{
    QTest::addColumn<QList<Key>>("keys");
    QTest::addColumn<bool>("hides");
    QTest::newRow("H I D E") << QList<Key> { Key::H, Key::I, Key::D, Key::E } << true;
    QTest::newRow("H H I D E") << QList<Key> { Key::H, Key::H, Key::I, Key::D, Key::E } << false;
    QTest::newRow("H I E D E") << QList<Key> { Key::H, Key::I, Key::E, Key::D, Key::E } << true;
    QTest::newRow("Shift before I") << QList<Key> { Key::H, Key::Other, Key::I, Key::D, Key::E } << false;
    QTest::newRow("word typed twice") << QList<Key> { Key::H, Key::I, Key::D, Key::E, Key::H, Key::I, Key::D, Key::E }
                                      << true;
}

void TestHideWord::sequences()
{
    QFETCH(QList<Key>, keys);
    QFETCH(bool, hides);
    State state;
    bool hidden = false;
    for (Key key : keys) {
        const HideWord::Result result = HideWord::press(state, key);
        hidden = hidden || result.hideHint;
        state = result.next;
    }
    QCOMPARE(hidden, hides);
}

QTEST_GUILESS_MAIN(TestHideWord)
#include "tst_hideword.moc"

#include "dressing/RadioGroupKeys.h"
#include "panel/Form1.h"
#include "panel/PanelWindow.h"
#include "support/ProgramFixture.h"

#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

// The panel by keyboard: arrow keys among the format options, Enter on the buttons.
class TestPanelKeys : public QObject {
    Q_OBJECT

private slots:
    void arrowKeyPositions_data();
    void arrowKeyPositions();
    void arrowKeysSelectAFormatAndStoreIt_data();
    void arrowKeysSelectAFormatAndStoreIt();
    void keysClickTheFocusedButton_data();
    void keysClickTheFocusedButton();
};

void TestPanelKeys::arrowKeyPositions_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("expected");

    QTest::newRow("down") << 0 << int(Qt::Key_Down) << 1;
    QTest::newRow("right") << 1 << int(Qt::Key_Right) << 2;
    QTest::newRow("down from the last wraps") << 2 << int(Qt::Key_Down) << 0;
    QTest::newRow("up") << 2 << int(Qt::Key_Up) << 1;
    QTest::newRow("left") << 1 << int(Qt::Key_Left) << 0;
    QTest::newRow("up from the first wraps") << 0 << int(Qt::Key_Up) << 2;
    QTest::newRow("space is no arrow") << 0 << int(Qt::Key_Space) << -1;
    QTest::newRow("tab is no arrow") << 0 << int(Qt::Key_Tab) << -1;
}

void TestPanelKeys::arrowKeyPositions()
{
    QFETCH(int, position);
    QFETCH(int, key);
    QFETCH(int, expected);
    QCOMPARE(RadioGroupKeys::positionAfterKey(position, 3, key), expected);
}

void TestPanelKeys::arrowKeysSelectAFormatAndStoreIt_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("focused");
    QTest::addColumn<int>("key");
    QTest::addColumn<QStringList>("expected");

    const QStringList first { "True", "False", "False" };
    const QStringList second { "False", "True", "False" };
    const QStringList third { "False", "False", "True" };
    QTest::newRow("down from the selected first") << "Option1" << 0 << int(Qt::Key_Down) << second;
    QTest::newRow("up from the first wraps to the last") << "Option1" << 0 << int(Qt::Key_Up) << third;
    QTest::newRow("right from the last wraps to the first") << "Option3" << 2 << int(Qt::Key_Right) << first;
    // Tab reaches buttons that are not selected; an arrow there selects all the same.
    QTest::newRow("down from an unselected button") << "Option3" << 0 << int(Qt::Key_Down) << second;
    QTest::newRow("left from an unselected button") << "Option1" << 2 << int(Qt::Key_Left) << second;
}

void TestPanelKeys::arrowKeysSelectAFormatAndStoreIt()
{
    QFETCH(QString, stored);
    QFETCH(int, focused);
    QFETCH(int, key);
    QFETCH(QStringList, expected);

    StoredValues values { { "Option1", "False" }, { "Option2", "False" }, { "Option3", "False" } };
    values[stored] = QStringLiteral("True");
    auto fixture = startedProgram(values);
    PanelWindow &ui = fixture->program.form1().ui();
    QApplication::setActiveWindow(&ui);
    QVERIFY(QTest::qWaitForWindowActive(&ui));
    const QList<QRadioButton *> options = { ui.Option1, ui.Option2, ui.Option3 };
    options[focused]->setFocus(Qt::TabFocusReason);

    QTest::keyClick(options[focused], Qt::Key(key));

    const QStringList storedAfter
        = { fixture->store.value("Option1"), fixture->store.value("Option2"), fixture->store.value("Option3") };
    QCOMPARE(storedAfter, expected);
    const int selected = static_cast<int>(expected.indexOf(QStringLiteral("True")));
    QVERIFY(options[selected]->isChecked());
    QCOMPARE(QApplication::focusWidget(), options[selected]);
    const QList<TimeFormat::ClockFormat> formats
        = { TimeFormat::ClockFormat::HoursMinutesSecondsAmPm, TimeFormat::ClockFormat::HoursMinutesAmPm,
            TimeFormat::ClockFormat::HoursMinutes };
    QCOMPARE(fixture->program.form1().selectedClockFormat(), formats[selected]);
}

void TestPanelKeys::keysClickTheFocusedButton_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("fontName");
    QTest::addColumn<QString>("fontColour");

    // "Reset Font To Defaults" (the third button) and "Reset Color To Defaults" (the
    // fifth) show what a click did in the store.
    const QString seededName = QStringLiteral("Courier New");
    const QString seededColour = QStringLiteral("255");
    const QString resetName = QStringLiteral("Arial");
    const QString resetColour = QStringLiteral("16777215");
    QTest::newRow("Return on the font reset") << 2 << int(Qt::Key_Return) << resetName << seededColour;
    QTest::newRow("Enter on the keypad, font reset") << 2 << int(Qt::Key_Enter) << resetName << seededColour;
    QTest::newRow("Space on the font reset") << 2 << int(Qt::Key_Space) << resetName << seededColour;
    QTest::newRow("Return on the colour reset") << 4 << int(Qt::Key_Return) << seededName << resetColour;
    QTest::newRow("Enter on the keypad, colour reset") << 4 << int(Qt::Key_Enter) << seededName << resetColour;
    QTest::newRow("a letter clicks nothing") << 4 << int(Qt::Key_A) << seededName << seededColour;
}

void TestPanelKeys::keysClickTheFocusedButton()
{
    QFETCH(int, button);
    QFETCH(int, key);
    QFETCH(QString, fontName);
    QFETCH(QString, fontColour);
    auto fixture = startedProgram({ { "FontName", "Courier New" }, { "Font Color", "255" } });
    PanelWindow &ui = fixture->program.form1().ui();
    QApplication::setActiveWindow(&ui);
    QVERIFY(QTest::qWaitForWindowActive(&ui));
    QPushButton *focused = ui.pushButtons()[button];
    focused->setFocus(Qt::TabFocusReason);

    QTest::keyClick(focused, Qt::Key(key), key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);

    QCOMPARE(fixture->store.value("FontName"), fontName);
    QCOMPARE(fixture->store.value("Font Color"), fontColour);
}

QTEST_MAIN(TestPanelKeys)
#include "tst_panelkeys.moc"

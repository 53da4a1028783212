#include "panel/ColourWindow.h"
#include "panel/PanelWindow.h"
#include "panel/SwatchLabel.h"
#include "timezones/modTimeZones.h"
#include "wallscreen/AboutBox.h"
#include "wallscreen/NightHoursDialog.h"
#include "zonechoice/OtherZonesWindow.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

using Maker = std::function<QWidget *(QWidget &owner)>;

// A widget that a person operates, not a part of another one.
bool isControl(const QWidget *widget)
{
    const auto *label = qobject_cast<const QLabel *>(widget);
    return qobject_cast<const QAbstractButton *>(widget) || qobject_cast<const QComboBox *>(widget)
        || qobject_cast<const QAbstractItemView *>(widget) || qobject_cast<const QAbstractSpinBox *>(widget)
        || qobject_cast<const QLineEdit *>(widget) || qobject_cast<const SwatchLabel *>(widget)
        || (label && label->text().contains("<a "));
}

QWidget *outerControl(QWidget *widget, const QWidget &window)
{
    QWidget *outer = widget;
    for (QWidget *part = widget; part != &window; part = part->parentWidget())
        outer = isControl(part) ? part : outer;
    return outer;
}

bool inSight(const QWidget &widget, const QWidget &window)
{
    return widget.isVisible() && window.rect().contains(QRect(widget.mapTo(&window, QPoint()), widget.size()));
}

QWidget *ownedBy(QWidget &owner, QWidget *window)
{
    window->setParent(&owner, window->windowFlags());
    return window;
}

}

// The windows by keyboard alone.
class TestKeyboardReach : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(modTimeZones::LoadTimeZones()); }

    void tabVisitsEveryControlInSightAndNothingElse_data()
    {
        QTest::addColumn<Maker>("make");
        QTest::newRow("panel") << Maker([](QWidget &owner) { return ownedBy(owner, new PanelWindow); });
        QTest::newRow("colour window") << Maker([](QWidget &owner) { return ownedBy(owner, new ColourWindow); });
        QTest::newRow("other zones") << Maker([](QWidget &owner) {
            auto *window = new OtherZonesWindow({ { "UTC", {} }, { "Asia/Tokyo", {} } }, &owner);
            window->list->setCurrentRow(0);
            return window;
        });
        QTest::newRow("night hours") << Maker([](QWidget &owner) { return new NightHoursDialog({}, &owner); });
        QTest::newRow("about") << Maker([](QWidget &owner) {
            showAboutBox(&owner, [](const QUrl &) {});
            return owner.findChild<QMessageBox *>();
        });
    }

    void tabVisitsEveryControlInSightAndNothingElse()
    {
        QFETCH(Maker, make);
        QWidget owner;
        QWidget &window = *make(owner);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QSet<QWidget *> visited;
        for (qsizetype tab = 0; tab < 3 * window.findChildren<QWidget *>().size(); ++tab) {
            QWidget *focused = window.focusWidget();
            QVERIFY(focused && inSight(*focused, window));
            visited.insert(outerControl(focused, window));
            QTest::keyClick(focused, Qt::Key_Tab);
        }
        for (QWidget *control : window.findChildren<QWidget *>()) {
            // Arrow keys reach the other options of a group.
            const auto *option = qobject_cast<QRadioButton *>(control);
            const bool required = isControl(control) && outerControl(control, window) == control && control->isEnabled()
                && inSight(*control, window) && (!option || option->isChecked());
            QVERIFY2(!required || visited.contains(control), control->metaObject()->className());
        }
    }

    void aButtonDisabledByItsOwnClickHandsTheFocusToItsNeighbour_data()
    {
        QTest::addColumn<bool>("up");
        QTest::newRow("Move up to the top: Move down") << true;
        QTest::newRow("Move down to the bottom: Move up") << false;
    }

    void aButtonDisabledByItsOwnClickHandsTheFocusToItsNeighbour()
    {
        QFETCH(bool, up);
        OtherZonesWindow window({ { "UTC", {} }, { "Asia/Tokyo", {} } }, nullptr);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        window.list->setCurrentRow(up ? 1 : 0);
        QPushButton *pressed = up ? window.moveUp : window.moveDown;
        pressed->setFocus();
        QTest::keyClick(pressed, Qt::Key_Space);
        QCoreApplication::processEvents();
        QCOMPARE(QApplication::focusWidget(), up ? window.moveDown : window.moveUp);
    }
};

QTEST_MAIN(TestKeyboardReach)
#include "tst_keyboardreach.moc"

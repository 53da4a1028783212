#include "base/ProductInfo.h"
#include "clock/ClockWindow.h"
#include "clock/Form2.h"
#include "drawing/TimeStrip.h"
#include "panel/Form1.h"
#include "panel/PanelWindow.h"
#include "support/ClockFixture.h"
#include "support/ProgramFixture.h"
#include "support/ScopedEnvironment.h"
#include "support/TestFiles.h"
#include "wallscreen/NightHoursDialog.h"
#include "wallscreen/WallScreenMenu.h"

#include <QAccessible>
#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPointingDevice>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeEdit>
#include <QTimeZone>
#include <QTimer>

#include <memory>

namespace {

const QDateTime afternoon(QDate(2026, 1, 15), QTime(13, 5, 42), Qt::UTC);

std::unique_ptr<ProgramFixture> clockShown(const StoredValues &stored = {}, const QDateTime &now = afternoon)
{
    return clockOpenedAt(now, stored);
}

int brightestRed(const QImage &image, const QRect &area)
{
    int brightest = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            brightest = qMax(brightest, qRed(image.pixel(x, y)));
    }
    return brightest;
}

// The menu's entry with that text, or none.
QAction *entryOf(const QMenu &menu, const QString &text)
{
    for (QAction *action : menu.actions()) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

// Site defaults and locks of the text site for the program started while it lives.
ScopedEnvironment siteHolding(const QTemporaryDir &folder, const QByteArray &site)
{
    TestFiles::write(folder.filePath("Orvanta/Lumetra Wall Time Display.ini"), "[General]\n" + site);
    return ScopedEnvironment("XDG_CONFIG_DIRS", folder.path().toLocal8Bit());
}

// Counts the times a widget is shown: each time, a screen reader hears of it.
class ShowCounter : public QObject {
public:
    explicit ShowCounter(QWidget &widget) { widget.installEventFilter(this); }
    int shown = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show)
            ++shown;
        return QObject::eventFilter(watched, event);
    }
};

QPoint offsetFromCentre(const ClockWindow &clock)
{
    const QRect strip = clock.Picture1->geometry();
    const int centredTop = qRound(clock.height() / 2.0 - strip.height() / 2.0);
    return QPoint(strip.left(), strip.top() - centredTop);
}

}

class TestWallScreen : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void timeIsNeverCutOff_data();
    void timeIsNeverCutOff();
    void burnInGuardMovesTheTimeWithinThreePercent();
    void nightDimmingDrawsTheDigitsDarker_data();
    void nightDimmingDrawsTheDigitsDarker();
    void dateAndZoneLinesAreCentredWithTheTime();
    void syncWarningShowsUnderTheTime();
    void pointerHidesAfterThreeSecondsAndComesBackOnAMove();
    void doubleClickClosesTheClock();
    void doubleTapClosesTheClock();
    void menuOpens_data();
    void menuOpens();
    void screenReadersKnowTheParts_data();
    void screenReadersKnowTheParts();
    void timeIsReadToTheSecondWhenAsked();
    void noticesAnnounceThemselvesAsTheyAppear();
    void lockedAndUnusableEntriesAreInReach();
    void menuEntriesStoreTheirKeys_data();
    void menuEntriesStoreTheirKeys();
    void nightDimmingFromTheMenu();
    void nightHoursOfYourOwn_data();
    void nightHoursOfYourOwn();
    void nightHoursAllowOnlyARange_data();
    void nightHoursAllowOnlyARange();
    void dateFormatFromTheMenu_data();
    void dateFormatFromTheMenu();
    void secondsOnlyWithTheTwentyFourHourFormat_data();
    void secondsOnlyWithTheTwentyFourHourFormat();
    void aboutShowsTheVersionAndOpensTheHomePage();
    void optionsTipShowsOnlyAfterTheButton_data();
    void optionsTipShowsOnlyAfterTheButton();
    void badValuesKeepTheDefaults_data();
    void badValuesKeepTheDefaults();

private:
    // One touch screen for every touch test, deleted at the end: Qt never deletes the
    // devices a test registers.
    QPointingDevice *mTouchScreen = nullptr;
};

void TestWallScreen::initTestCase()
{
    mTouchScreen = QTest::createTouchDevice();
}

void TestWallScreen::cleanupTestCase()
{
    delete mTouchScreen;
}

void TestWallScreen::timeIsNeverCutOff_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QString>("format");
    QTest::addColumn<bool>("fit");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("storedSize");
    struct Format {
        const char *name;
        const char *option;
        const char *text;
        // The widest screen side at which 150 points fit.
        int fitsFrom;
    };
    const Format formats[] = { { " hh:mm:ss AM/PM", "Option1", "01:05:42 PM", 1920 },
                               { " hh:mm AM/PM", "Option2", "01:05 PM", 1080 },
                               { " HH:mm", "Option3", "13:05", 800 },
                               { " HH:mm:ss", "Seconds", "13:05:42", 1080 } };
    for (const QSize &screen : { QSize(800, 600), QSize(1080, 1920), QSize(3840, 2160) }) {
        const QByteArray name = QByteArray::number(screen.width()) + 'x' + QByteArray::number(screen.height());
        for (const Format &format : formats) {
            QTest::newRow(name + format.name + " fitted") << screen << format.option << true << format.text << false;
            QTest::newRow(name + format.name + " unfitted")
                << screen << format.option << false << format.text << (screen.width() >= format.fitsFrom);
        }
    }
}

void TestWallScreen::timeIsNeverCutOff()
{
    QFETCH(QSize, screen);
    QFETCH(QString, format);
    QFETCH(bool, fit);
    QFETCH(QString, text);
    QFETCH(bool, storedSize);
    StoredValues stored { { "Fit To Screen", fit ? "On" : "Off" }, { "Option1", "False" } };
    stored.insert(format == "Seconds" ? "Option3" : format, "True");
    if (format == "Seconds")
        stored.insert("24-Hour Seconds", "On");
    auto fixture = clockShown(stored);
    setClockSize(*fixture, screen);
    ClockWindow &clock = clockOf(*fixture);
    const QImage shot = tickAndGrab(*fixture);
    QCOMPARE(clock.Picture1->text(), text);

    const QRect lit = litArea(shot, Qt::black, clock.Picture1->geometry());
    QVERIFY(lit.isValid());
    QVERIFY2(lit.left() > 0 && lit.right() < screen.width() - 1,
             qPrintable(QStringLiteral("lit from %1 to %2").arg(lit.left()).arg(lit.right())));
    const double width = QFontMetricsF(clock.Picture1->font()).horizontalAdvance(clock.Picture1->text());
    const int lineHeight = clock.Picture1->height();
    QCOMPARE(clock.Picture1->font().pointSize() == 150, storedSize);
    if (!storedSize) {
        // Fitted: at most 90% of the width and 60% of the height, and filling one of the two.
        QVERIFY(width <= 0.9 * screen.width());
        QVERIFY(lineHeight <= 0.6 * screen.height());
        QVERIFY2(width >= 0.8 * screen.width() || lineHeight >= 0.55 * screen.height(),
                 qPrintable(QStringLiteral("%1 px wide, %2 px tall").arg(width).arg(lineHeight)));
    }
    // Centred by its advance width: the glyphs' side bearings, large at this size, may
    // move the ink a little.
    QVERIFY(qAbs(lit.center().x() - screen.width() / 2) <= screen.width() / 100);
    // The stored size stays what the user chose.
    QCOMPARE(fixture->store.value("FontSize"), QString());
    QVERIFY(fixture->platform.messages.isEmpty());
}

void TestWallScreen::burnInGuardMovesTheTimeWithinThreePercent()
{
    auto fixture = clockShown({ { "Burn-in Guard", "On" }, { "FontSize", "40" } });
    setClockSize(*fixture, QSize(1920, 1080));
    ClockWindow &clock = clockOf(*fixture);
    Form2 &form = fixture->program.form2();
    const QRect hint = clock.Label1->geometry();
    QSet<QPair<int, int>> places;
    for (int minute = 0; minute < 60; ++minute) {
        fixture->platform.now = afternoon.addSecs(minute * 60);
        form.Timer1_Timer();
        const QPoint offset = offsetFromCentre(clock);
        QVERIFY2(qAbs(offset.x()) <= 0.03 * 1920 && qAbs(offset.y()) <= 0.03 * 1080,
                 qPrintable(QStringLiteral("minute %1: %2,%3").arg(minute).arg(offset.x()).arg(offset.y())));
        places.insert({ offset.x(), offset.y() });
        // Within the minute the place holds.
        fixture->platform.now = fixture->platform.now.addSecs(10);
        form.Timer1_Timer();
        QCOMPARE(offsetFromCentre(clock), offset);
    }
    QCOMPARE(places.size(), 60);
    QCOMPARE(clock.Label1->geometry(), hint);
    // The moved time is still drawn whole and centred on its strip.
    const QImage shot = tickAndGrab(*fixture);
    const QRect strip = clock.Picture1->geometry();
    const QRect lit = litArea(shot, Qt::black, strip);
    QVERIFY(qAbs(lit.center().x() - strip.center().x()) <= 8);

    clock.optionsMenu->burnInGuard->trigger();
    QCOMPARE(fixture->store.value("Burn-in Guard"), QStringLiteral("Off"));
    QCOMPARE(offsetFromCentre(clock), QPoint());
}

void TestWallScreen::nightDimmingDrawsTheDigitsDarker_data()
{
    QTest::addColumn<QString>("zone");
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<int>("red");
    const auto at = [](int day, int hour, int minute, int second) {
        return QDateTime(QDate(2026, 1, day), QTime(hour, minute, second), Qt::UTC);
    };
    // 22:00 to 07:00 at 30%: white digits become 77,77,77 (30% of 255, rounded).
    QTest::newRow("a second before the start") << "UTC" << at(15, 21, 59, 59) << 255;
    QTest::newRow("at the start") << "UTC" << at(15, 22, 0, 0) << 77;
    QTest::newRow("last second of the day") << "UTC" << at(15, 23, 59, 59) << 77;
    QTest::newRow("midnight") << "UTC" << at(16, 0, 0, 0) << 77;
    QTest::newRow("a second before the end") << "UTC" << at(16, 6, 59, 59) << 77;
    QTest::newRow("at the end") << "UTC" << at(16, 7, 0, 0) << 255;
    QTest::newRow("noon") << "UTC" << at(15, 12, 0, 0) << 255;
    // The hours are the clock's zone's: 21:30 UTC is 22:30 in Berlin, 06:30 UTC is 07:30.
    QTest::newRow("Berlin: 22:30 there") << "Europe/Berlin" << at(15, 21, 30, 0) << 77;
    QTest::newRow("Berlin: 07:30 there") << "Europe/Berlin" << at(16, 6, 30, 0) << 255;
}

void TestWallScreen::nightDimmingDrawsTheDigitsDarker()
{
    QFETCH(QString, zone);
    QFETCH(QDateTime, now);
    QFETCH(int, red);
    auto fixture = clockShown({ { "Night Dim From", "22:00" },
                                { "Night Dim To", "07:00" },
                                { "Night Dim Level", "30" },
                                { "FontSize", "40" } },
                              now);
    fixture->program.form2().setChosenZone(zone.toLatin1(), now);
    ClockWindow &clock = clockOf(*fixture);
    const QImage shot = tickAndGrab(*fixture);
    QCOMPARE(brightestRed(shot, clock.Picture1->geometry()), red);
    QCOMPARE(clock.Picture1->foreColor(), QColor(red, red, red));
    // The background stays as it is.
    QCOMPARE(shot.pixelColor(clock.width() - 1, clock.height() - 1), QColor(Qt::black));
}

void TestWallScreen::dateAndZoneLinesAreCentredWithTheTime()
{
    // 02:00 on the 16th in UTC is 21:00 on the 15th in New York.
    const QDateTime now(QDate(2026, 1, 16), QTime(2, 0), Qt::UTC);
    auto fixture = clockShown({ { "Show Date", "On" }, { "Show Zone", "On" }, { "FontSize", "60" } }, now);
    Form2 &form = fixture->program.form2();
    form.setChosenZone("America/New_York", now);
    setClockSize(*fixture, QSize(1920, 1080));
    ClockWindow &clock = clockOf(*fixture);
    const QImage shot = tickAndGrab(*fixture);
    QVERIFY(clock.infoLines->isVisible());
    QCOMPARE(clock.infoLines->text(), QStringLiteral("Thursday, 15 January 2026\nNew York"));
    QVERIFY(clock.infoLines->font().pointSize() < clock.Picture1->font().pointSize());

    const QRect time = clock.Picture1->geometry();
    const QRect lines = clock.infoLines->geometry();
    QCOMPARE(lines.top(), time.bottom() + 1);
    const QRect block = time | lines;
    QVERIFY2(qAbs(block.top() - (clock.height() - 1 - block.bottom())) <= 1,
             qPrintable(QStringLiteral("block from %1 to %2").arg(block.top()).arg(block.bottom())));
    const QRect timeInk = litArea(shot, Qt::black, time);
    const QRect linesInk = litArea(shot, Qt::black, lines);
    QVERIFY(linesInk.isValid() && linesInk.height() > 0);
    QVERIFY(qAbs(timeInk.center().x() - 960) <= 8);
    QVERIFY(qAbs(linesInk.center().x() - 960) <= 8);
    // The lines' ink lies under the time's.
    QVERIFY(linesInk.top() > timeInk.bottom());

    clock.optionsMenu->showDate->trigger();
    clock.optionsMenu->showZone->trigger();
    QVERIFY(!clock.infoLines->isVisible());
    QCOMPARE(offsetFromCentre(clock), QPoint());
}

void TestWallScreen::syncWarningShowsUnderTheTime()
{
    // White digits, a warning at half their brightness. The kernel's answers ('y' synchronised,
    // 'n' not, '?' none) at those seconds: five minutes of 'n' in a row show it.
    auto fixture = clockShown({ { "Font Color", "16777215" }, { "Show Date", "On" }, { "FontSize", "60" } });
    setClockSize(*fixture, QSize(1920, 1080));
    ClockWindow &clock = clockOf(*fixture);
    const QString answers = "nyn?nnnny";
    const QList<int> seconds { 0, 1, 2, 3, 4, 303, 304, 305, 306 };
    QImage shot;
    for (qsizetype k = 0; k < answers.size(); ++k) {
        fixture->platform.synchronised = answers[k] == u'?' ? std::nullopt : std::optional(answers[k] == u'y');
        fixture->platform.now = afternoon.addSecs(seconds.at(k));
        shot = tickAndGrab(*fixture);
        QCOMPARE(clock.syncWarning->isVisible(), k == 6 || k == 7);
        if (k == 6) {
            QCOMPARE(clock.syncWarning->geometry().top(), clock.infoLines->geometry().bottom() + 1);
            QCOMPARE(brightestRed(shot, clock.syncWarning->geometry()), 128);
            clock.optionsMenu->syncWarning->trigger();
            QCOMPARE(fixture->store.value("Time Sync Warning"), QStringLiteral("Off"));
            QVERIFY(clock.syncWarning->isHidden());
            clock.optionsMenu->syncWarning->trigger();
        }
    }
}

void TestWallScreen::pointerHidesAfterThreeSecondsAndComesBackOnAMove()
{
    auto fixture = clockShown();
    ClockWindow &clock = clockOf(*fixture);
    moveMouseOver(clock);
    QCOMPARE(clock.cursor().shape(), Qt::ArrowCursor);
    QVERIFY(clock.pointerIdleTimer->isActive());
    const QDateTime moved = fixture->platform.now;

    // The timer looks at the clock: 2.9 s is not yet long enough.
    fixture->platform.now = moved.addMSecs(2900);
    clock.pointerIdleTimer->start(0);
    QTRY_VERIFY(clock.pointerIdleTimer->interval() == 100);
    QCOMPARE(clock.cursor().shape(), Qt::ArrowCursor);

    fixture->platform.now = moved.addMSecs(3000);
    clock.pointerIdleTimer->start(0);
    QTRY_COMPARE(clock.cursor().shape(), Qt::BlankCursor);
    QVERIFY(!clock.pointerIdleTimer->isActive());

    // A move anywhere over the clock brings it back: over the bare window, over the time.
    for (const QPoint &place : { QPoint(clock.width() - 5, clock.height() - 5), clock.Picture1->geometry().center() }) {
        fixture->platform.now = fixture->platform.now.addSecs(10);
        clock.pointerIdleTimer->start(0);
        QTRY_COMPARE(clock.cursor().shape(), Qt::BlankCursor);
        QTest::mouseMove(clock.windowHandle(), place);
        QCOMPARE(clock.cursor().shape(), Qt::ArrowCursor);
        QVERIFY(clock.pointerIdleTimer->isActive());
    }
}

void TestWallScreen::doubleClickClosesTheClock()
{
    auto fixture = clockShown();
    ClockWindow &clock = clockOf(*fixture);
    QVERIFY(QTest::qWaitForWindowExposed(&clock));
    // A right double-click is no way out.
    QTest::mouseDClick(clock.windowHandle(), Qt::RightButton, {}, QPoint(50, 50));
    QVERIFY(fixture->program.form2().isLoaded());
    clock.optionsMenu->hide();
    QTest::mouseDClick(clock.windowHandle(), Qt::LeftButton, {}, QPoint(50, 50));
    QTRY_VERIFY(!fixture->program.form2().isLoaded());
    QVERIFY(fixture->program.form1().ui().isVisible());
    QVERIFY(!fixture->program.form1().mDontUnload);
}

void TestWallScreen::doubleTapClosesTheClock()
{
    auto fixture = clockShown();
    ClockWindow &clock = clockOf(*fixture);
    QVERIFY(QTest::qWaitForWindowExposed(&clock));
    QPointingDevice *screen = mTouchScreen;
    const QPoint place(100, 100);
    QPointer<QWindow> window = clock.windowHandle();
    QTest::touchEvent(window, screen).press(0, place);
    QTest::touchEvent(window, screen).release(0, place);
    QVERIFY(fixture->program.form2().isLoaded());
    QTest::touchEvent(window, screen).press(0, place);
    if (window)
        QTest::touchEvent(window, screen).release(0, place);
    QTRY_VERIFY(!fixture->program.form2().isLoaded());
    QVERIFY(fixture->program.form1().ui().isVisible());
}

void TestWallScreen::menuOpens_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("right-click") << "right-click";
    QTest::newRow("Menu key") << "Menu key";
    QTest::newRow("Shift+F10") << "Shift+F10";
    QTest::newRow("long press") << "long press";
}

void TestWallScreen::menuOpens()
{
    QFETCH(QString, how);
    auto fixture = clockShown({ { "Show Zone", "On" } });
    ClockWindow &clock = clockOf(*fixture);
    QVERIFY(QTest::qWaitForWindowExposed(&clock));
    QVERIFY(!clock.optionsMenu->isVisible());
    if (how == "right-click") {
        QTest::mouseClick(clock.windowHandle(), Qt::RightButton, {}, QPoint(60, 70));
    } else if (how == "Menu key") {
        QTest::keyClick(&clock, Qt::Key_Menu);
    } else if (how == "Shift+F10") {
        QTest::keyClick(&clock, Qt::Key_F10, Qt::ShiftModifier);
    } else {
        QPointingDevice *screen = mTouchScreen;
        QTest::touchEvent(clock.windowHandle(), screen).press(0, QPoint(100, 100));
        QTest::qWait(1000);
        QTest::touchEvent(clock.windowHandle(), screen).release(0, QPoint(100, 100));
    }
    QTRY_VERIFY(clock.optionsMenu->isVisible());
    // The check marks show the options in force.
    QVERIFY(clock.optionsMenu->showZone->isChecked());
    QVERIFY(!clock.optionsMenu->fitToScreen->isChecked());
    QVERIFY(fixture->program.form2().isLoaded());
    // The open menu is among the clock's parts, and has the focus until an entry takes it: a
    // screen reader names the menu that the focus has come into.
    QAccessibleInterface *menu = QAccessible::queryAccessibleInterface(clock.optionsMenu);
    QCOMPARE(menu->parent()->object(), &clock);
    QVERIFY(menu->parent()->indexOfChild(menu) >= 0);
    QCOMPARE(menu->parent()->child(menu->parent()->indexOfChild(menu)), menu);
    QVERIFY(menu->state().focused);
    QCOMPARE(menu->child(menu->childCount() - 1)->text(QAccessible::Name), QStringLiteral("Close clock"));
    // Esc closes the menu, not the clock.
    QTest::keyClick(clock.optionsMenu, Qt::Key_Escape);
    QTRY_VERIFY(!clock.optionsMenu->isVisible());
    QVERIFY(fixture->program.form2().isLoaded());
}

void TestWallScreen::screenReadersKnowTheParts_data()
{
    QTest::addColumn<QString>("part");
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("checkable");
    const QString product = ProductInfo::productName;
    QTest::newRow("application") << "application" << int(QAccessible::Application) << product << false;
    QTest::newRow("panel") << "panel" << int(QAccessible::Window) << product << false;
    QTest::newRow("clock") << "clock" << int(QAccessible::Window) << product + " — clock" << false;
    QTest::newRow("drawn time") << "time" << int(QAccessible::StaticText) << "13:05" << false;
    QTest::newRow("date line") << "lines" << int(QAccessible::StaticText) << "Thursday, 15 January 2026" << false;
    QTest::newRow("sync warning") << "warning" << int(QAccessible::Notification) << "Time may be off: not synchronised"
                                  << false;
    QTest::newRow("menu") << "menu" << int(QAccessible::PopupMenu) << "Wall-screen options" << false;
    QTest::newRow("submenu") << "submenu" << int(QAccessible::PopupMenu) << "Date format" << false;
    QTest::newRow("on/off entry") << "Fit to screen" << int(QAccessible::CheckBox) << "Fit to screen" << true;
    QTest::newRow("choice entry") << "ISO 8601" << int(QAccessible::RadioButton) << "ISO 8601" << true;
    QTest::newRow("close entry") << "Close clock" << int(QAccessible::MenuItem) << "Close clock" << false;
    QTest::newRow("About") << "About" << int(QAccessible::Dialog) << "About " + product << false;
}

void TestWallScreen::screenReadersKnowTheParts()
{
    QFETCH(QString, part);
    auto fixture = clockShown({ { "Show Date", "On" }, { "Option3", "True" } });
    ClockWindow &clock = clockOf(*fixture);
    WallScreenMenu &menu = *clock.optionsMenu;
    const QMap<QString, QObject *> parts { { "application", qApp },
                                           { "panel", &fixture->program.form1().ui() },
                                           { "clock", &clock },
                                           { "time", clock.Picture1 },
                                           { "lines", clock.infoLines },
                                           { "warning", clock.syncWarning },
                                           { "menu", &menu },
                                           { "submenu", menu.dateFormat } };
    if (part == "About")
        menu.about->trigger();
    fixture->program.form2().Timer1_Timer();
    QAccessibleInterface *reading = QAccessible::queryAccessibleInterface(
        parts.value(part, part == "About" ? clock.findChild<QMessageBox *>() : nullptr));
    for (QMenu *holder : { static_cast<QMenu *>(&menu), menu.dateFormat }) {
        QAccessibleInterface *entries = QAccessible::queryAccessibleInterface(holder);
        for (int k = 0; !reading && k < entries->childCount(); ++k)
            reading = entries->child(k)->text(QAccessible::Name) == part ? entries->child(k) : nullptr;
    }
    QVERIFY(reading);
    QTEST(int(reading->role()), "role");
    QTEST(reading->text(QAccessible::Name), "name");
    QTEST(bool(reading->state().checkable), "checkable");
}

void TestWallScreen::timeIsReadToTheSecondWhenAsked()
{
    auto fixture = clockShown({ { "Option1", "True" }, { "Show Date", "On" } });
    ClockWindow &clock = clockOf(*fixture);
    QAccessibleInterface *time = QAccessible::queryAccessibleInterface(clock.Picture1);
    QAccessibleInterface *window = QAccessible::queryAccessibleInterface(&clock);
    // Read between the ticks: what a screen reader reads is made as it asks.
    for (const auto &[seconds, name] :
         { std::pair(0, "01:05:42 PM"), std::pair(1, "01:05:43 PM"), std::pair(18, "01:06:00 PM") }) {
        fixture->platform.now = afternoon.addSecs(seconds);
        QCOMPARE(time->text(QAccessible::Name), QString::fromLatin1(name));
        // Spoken as the clock gets the focus: the time, then the lines under it.
        QCOMPARE(window->text(QAccessible::Description), QString::fromLatin1(name) + "\nThursday, 15 January 2026");
    }
    // The window keeps its name; nothing is set as the time goes on, so nothing is announced,
    // however many ticks run.
    for (int seconds = 18; seconds < 200; ++seconds) {
        fixture->platform.now = afternoon.addSecs(seconds);
        fixture->program.form2().Timer1_Timer();
    }
    QCOMPARE(window->text(QAccessible::Name), ProductInfo::productName + " — clock");
    QCOMPARE(clock.accessibleName(), ProductInfo::productName + " — clock");
    QVERIFY(clock.accessibleDescription().isEmpty());
    QVERIFY(clock.Picture1->accessibleName().isEmpty());
    // The time, the hint, the tip, the lines, the notice, two warnings and the other zones; not
    // the measuring label.
    QCOMPARE(window->childCount(), 8);
}

void TestWallScreen::noticesAnnounceThemselvesAsTheyAppear()
{
    // Berlin's clocks go forward at 01:00 UTC on 29 March 2026: the notice comes a day before.
    const QDateTime before(QDate(2026, 3, 28), QTime(0, 59, 58), Qt::UTC);
    auto fixture = clockShown(
        { { "Time Zone Name", "Europe/Berlin" }, { "Show Date", "On" }, { "Announce Clock Changes", "On" } }, before);
    ClockWindow &clock = clockOf(*fixture);
    const ShowCounter notices(*clock.noticeLine);
    fixture->program.form2().Timer1_Timer();
    QVERIFY(clock.noticeLine->isHidden());
    const QString dateLine = clock.infoLines->text();
    QAccessibleInterface *notice = QAccessible::queryAccessibleInterface(clock.noticeLine);
    QCOMPARE(notice->role(), QAccessible::Notification);

    fixture->platform.now = before.addSecs(3);
    fixture->program.form2().Timer1_Timer();
    // The notice shows as a notification of its own, which a screen reader announces as it
    // shows, over the last line of the lines under the time; the date stays one object.
    QVERIFY(clock.noticeLine->isVisible());
    QVERIFY(notice->text(QAccessible::Name).startsWith("Clocks go forward 1 hour"));
    QCOMPARE(clock.infoLines->text(), dateLine + u'\n' + notice->text(QAccessible::Name));
    QCOMPARE(QAccessible::queryAccessibleInterface(clock.infoLines)->text(QAccessible::Name), dateLine);
    const QRect lines = clock.infoLines->geometry();
    QVERIFY(lines.contains(clock.noticeLine->geometry()) && clock.noticeLine->geometry().bottom() == lines.bottom()
            && clock.noticeLine->geometry().top() > lines.top());
    QVERIFY(QAccessible::queryAccessibleInterface(&clock)
                ->text(QAccessible::Description)
                .endsWith(notice->text(QAccessible::Name)));

    // Later ticks with the same notice leave it as it is: it is announced once.
    for (int seconds = 4; seconds < 10; ++seconds) {
        fixture->platform.now = before.addSecs(seconds);
        fixture->program.form2().Timer1_Timer();
    }
    QVERIFY(clock.noticeLine->isVisible());
    QCOMPARE(notices.shown, 1);
    // The option off takes it away.
    entryOf(*clock.optionsMenu, "Announce clock changes")->trigger();
    QVERIFY(!clock.noticeLine->isVisible());
}

void TestWallScreen::lockedAndUnusableEntriesAreInReach()
{
    const QTemporaryDir siteFolder;
    const ScopedEnvironment siteDirs = siteHolding(siteFolder, "Locked%20Keys=Fit To Screen\n");
    auto fixture = clockShown({ { "Option1", "True" } });
    WallScreenMenu &menu = *clockOf(*fixture).optionsMenu;
    fixture->program.form2().openOptionsMenu(QPoint(10, 10));
    QVERIFY(QTest::qWaitForWindowExposed(&menu));
    QAction *locked = menu.fitToScreen;
    QVERIFY(!locked->isEnabled());
    // The arrows go through every entry, the format line and the locked one included.
    QList<QAction *> reached;
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(&menu, Qt::Key_Down);
        reached << menu.activeAction();
    }
    QVERIFY(reached.contains(menu.formatInUse));
    QVERIFY(reached.contains(locked));
    QAccessibleInterface *entry = QAccessible::queryAccessibleInterface(locked);
    QCOMPARE(entry->role(), QAccessible::CheckBox);
    QVERIFY(entry->state().disabled);
    QCOMPARE(entry->text(QAccessible::Name), QStringLiteral("Fit to screen (set by your administrator)"));
    // Return on it does nothing.
    menu.setActiveAction(locked);
    QTest::keyClick(&menu, Qt::Key_Return);
    QCOMPARE(fixture->store.value("Fit To Screen"), QString());
    menu.close();
}

void TestWallScreen::menuEntriesStoreTheirKeys_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("key");
    QTest::newRow("fit") << "Fit to screen"
                         << "Fit To Screen";
    QTest::newRow("burn-in") << "Burn-in guard"
                             << "Burn-in Guard";
    QTest::newRow("date") << "Show date"
                          << "Show Date";
    QTest::newRow("zone") << "Show zone"
                          << "Show Zone";
    QTest::newRow("announce") << "Announce clock changes"
                              << "Announce Clock Changes";
    QTest::newRow("24-hour seconds") << "Seconds in 24-hour time"
                                     << "24-Hour Seconds";
}

void TestWallScreen::menuEntriesStoreTheirKeys()
{
    QFETCH(QString, entry);
    QFETCH(QString, key);
    // The 24-hour format, which the 24-hour seconds need.
    auto fixture = clockShown({ { "Option3", "True" } });
    setClockSize(*fixture, QSize(1920, 1080));
    ClockWindow &clock = clockOf(*fixture);
    QAction *action = entryOf(*clock.optionsMenu, entry);
    QVERIFY(action);
    action->trigger();
    QCOMPARE(fixture->store.value(key), QStringLiteral("On"));
    QVERIFY(action->isChecked());
    // Stored at once: a clock opened anew has it.
    fixture->program.form2().Form_Load();
    QVERIFY(clock.optionsMenu->actions().contains(action) && action->isChecked());
    action->trigger();
    QCOMPARE(fixture->store.value(key), QStringLiteral("Off"));
    QCOMPARE(fixture->program.form2().wallScreenOptions(), WallScreenOptions());
    // All off again: the plain clock's size and place.
    QCOMPARE(clock.Picture1->font().pointSize(), 150);
    QCOMPARE(offsetFromCentre(clock), QPoint());
    QVERIFY(fixture->platform.messages.isEmpty());
}

void TestWallScreen::nightDimmingFromTheMenu()
{
    const QDateTime night(QDate(2026, 1, 15), QTime(23, 30), Qt::UTC);
    auto fixture = clockShown({ { "FontSize", "40" } }, night);
    ClockWindow &clock = clockOf(*fixture);
    const auto entry = [&](const QString &text) { return entryOf(*clock.optionsMenu->nightDimming, text); };
    QVERIFY(entry("Off") && entry("Off")->isChecked());
    entry("10:00 PM to 7:00 AM")->trigger();
    QCOMPARE(fixture->store.value("Night Dim From"), QStringLiteral("22:00"));
    QCOMPARE(fixture->store.value("Night Dim To"), QStringLiteral("07:00"));
    // At once, without waiting for a tick, at the default 30%.
    QCOMPARE(clock.Picture1->foreColor(), QColor(77, 77, 77));
    // The hint is no brighter than the digits.
    QCOMPARE(clock.Label1->palette().color(QPalette::WindowText), QColor(77, 77, 77));
    entry("Digits at 10% brightness")->trigger();
    QCOMPARE(fixture->store.value("Night Dim Level"), QStringLiteral("10"));
    QCOMPARE(clock.Picture1->foreColor(), QColor(26, 26, 26));
    QVERIFY(entry("10:00 PM to 7:00 AM")->isChecked());
    entry("Off")->trigger();
    QCOMPARE(fixture->store.value("Night Dim From"), QString(""));
    QCOMPARE(clock.Picture1->foreColor(), QColor(Qt::white));
}

void TestWallScreen::nightHoursOfYourOwn_data()
{
    QTest::addColumn<bool>("accept");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QColor>("digits");
    QTest::newRow("OK stores all three") << true << "08:30" << QColor(102, 102, 102);
    QTest::newRow("Cancel stores nothing") << false << QString() << QColor(Qt::white);
}

void TestWallScreen::nightHoursOfYourOwn()
{
    QFETCH(bool, accept);
    QFETCH(QString, from);
    QFETCH(QColor, digits);
    auto fixture = clockShown({ { "FontSize", "40" } }, QDateTime(QDate(2026, 1, 15), QTime(9, 0), Qt::UTC));
    ClockWindow &clock = clockOf(*fixture);
    entryOf(*clock.optionsMenu->nightDimming, "Choose hours…")->trigger();
    auto *dialog = clock.findChild<NightHoursDialog *>();
    QVERIFY(dialog && dialog->isVisible());
    dialog->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(dialog));
    // From, to and brightness by the keyboard alone: each field has the focus in turn.
    QTest::keyClicks(QApplication::focusWidget(), "0830");
    QTest::keyClick(dialog, Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), "1800");
    QTest::keyClick(dialog, Qt::Key_Tab);
    QApplication::focusWidget()->setProperty("value", 40);
    QTest::keyClick(dialog, accept ? Qt::Key_Return : Qt::Key_Escape);
    QCOMPARE(fixture->store.value("Night Dim From"), from);
    QCOMPARE(fixture->store.value("Night Dim To"), accept ? QStringLiteral("18:00") : QString());
    QCOMPARE(fixture->store.value("Night Dim Level"), accept ? QStringLiteral("40") : QString());
    QCOMPARE(clock.Picture1->foreColor(), digits);
}

void TestWallScreen::nightHoursAllowOnlyARange_data()
{
    // The dialog opens on 21:00 to 07:00; each row sets the from and to fields in turn.
    QTest::addColumn<QTime>("from");
    QTest::addColumn<QTime>("to");
    QTest::addColumn<bool>("allowed");
    QTest::newRow("from meets to") << QTime(7, 0) << QTime(7, 0) << false;
    QTest::newRow("to leaves from again") << QTime(7, 0) << QTime(8, 0) << true;
    QTest::newRow("to meets from") << QTime(21, 0) << QTime(21, 0) << false;
    QTest::newRow("to through midnight") << QTime(21, 0) << QTime(6, 0) << true;
}

void TestWallScreen::nightHoursAllowOnlyARange()
{
    QFETCH(QTime, from);
    QFETCH(QTime, to);
    QFETCH(bool, allowed);
    NightHoursDialog dialog({ QTime(21, 0), QTime(7, 0), 30 }, nullptr);
    const QList<QTimeEdit *> fields = dialog.findChildren<QTimeEdit *>();
    QCOMPARE(fields.size(), 2);
    fields[0]->setTime(from);
    fields[1]->setTime(to);
    QCOMPARE(dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->isEnabled(), allowed);
}

void TestWallScreen::dateFormatFromTheMenu_data()
{
    QTest::addColumn<QString>("showDate");
    QTest::addColumn<QByteArray>("site");
    QTest::addColumn<QString>("lines");
    QTest::newRow("date shown") << "On" << QByteArray() << "2026-01-15";
    QTest::newRow("date hidden: it comes on") << QString() << QByteArray() << "2026-01-15";
    // The format is stored for when the site lets the date show.
    QTest::newRow("date kept hidden by the site")
        << QString() << QByteArray("Show%20Date=Off\nLocked%20Keys=Show Date\n") << "";
}

void TestWallScreen::dateFormatFromTheMenu()
{
    QFETCH(QString, showDate);
    QFETCH(QByteArray, site);
    QFETCH(QString, lines);
    const QTemporaryDir siteFolder;
    const ScopedEnvironment siteDirs = siteHolding(siteFolder, site);
    StoredValues stored { { "Date Format", "Short" } };
    if (!showDate.isNull())
        stored.insert("Show Date", showDate);
    auto fixture = clockShown(stored);
    ClockWindow &clock = clockOf(*fixture);
    QVERIFY(entryOf(*clock.optionsMenu->dateFormat, "Short")->isChecked());
    entryOf(*clock.optionsMenu->dateFormat, "ISO 8601")->trigger();
    QCOMPARE(fixture->store.value("Date Format"), QStringLiteral("ISO"));
    QCOMPARE(fixture->store.value("Show Date"), site.isEmpty() ? QStringLiteral("On") : QString());
    QCOMPARE(clock.infoLines->text(), lines);
}

void TestWallScreen::secondsOnlyWithTheTwentyFourHourFormat_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QByteArray>("site");
    QTest::addColumn<QString>("formatLine");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("with seconds, AM PM") << "Option1" << QByteArray()
                                         << "Format: Hour, minutes, seconds, AM PM (12-hour)" << false;
    QTest::newRow("24-hour") << "Option3" << QByteArray() << "Format: Hour, minutes (24-hour)" << true;
    QTest::newRow("24-hour, locked by the site")
        << "Option3" << QByteArray("24-Hour%20Seconds=On\nLocked%20Keys=24-Hour Seconds\n")
        << "Format: Hour, minutes (24-hour)" << false;
}

// The entry keeps the stored value whatever the format, and follows the panel's format each
// time the menu opens.
void TestWallScreen::secondsOnlyWithTheTwentyFourHourFormat()
{
    QFETCH(QString, option);
    QFETCH(QByteArray, site);
    QFETCH(QString, formatLine);
    QFETCH(bool, enabled);
    const QTemporaryDir siteFolder;
    const ScopedEnvironment siteDirs = siteHolding(siteFolder, site);
    auto fixture = clockShown({ { option, "True" }, { "24-Hour Seconds", "On" } });
    WallScreenMenu &menu = *clockOf(*fixture).optionsMenu;
    fixture->program.form2().openOptionsMenu(QPoint());
    QCOMPARE(menu.actions().first()->text(), formatLine);
    QVERIFY(!menu.actions().first()->isEnabled());
    QCOMPARE(menu.secondsIn24Hour->isEnabled(), enabled);
    QVERIFY(menu.secondsIn24Hour->isChecked());
    menu.hide();
    PanelWindow &panel = fixture->program.form1().ui();
    (option == "Option3" ? panel.Option1 : panel.Option3)->click();
    fixture->program.form2().openOptionsMenu(QPoint());
    QCOMPARE(menu.secondsIn24Hour->isEnabled(), option != "Option3");
    QVERIFY(menu.secondsIn24Hour->isChecked());
    QCOMPARE(fixture->store.value("24-Hour Seconds"), QStringLiteral("On"));
}

void TestWallScreen::aboutShowsTheVersionAndOpensTheHomePage()
{
    auto fixture = clockShown();
    ClockWindow &clock = clockOf(*fixture);
    clock.optionsMenu->about->trigger();
    auto *box = clock.findChild<QMessageBox *>();
    QVERIFY(box && box->isVisible());
    QVERIFY(box->text().contains(ProductInfo::version));
    emit box->findChild<QLabel *>("qt_msgbox_label")->linkActivated(ProductInfo::homePage);
    QCOMPARE(fixture->platform.openedUrls, QList<QUrl> { QUrl(ProductInfo::homePage) });
}

void TestWallScreen::optionsTipShowsOnlyAfterTheButton_data()
{
    QTest::addColumn<bool>("atStart");
    QTest::addColumn<QString>("hintHidden");
    QTest::addColumn<bool>("typedHide");
    QTest::addColumn<bool>("shown");
    QTest::newRow("the panel's button") << false << "0" << false << true;
    QTest::newRow("a start that opens the clock") << true << "0" << false << false;
    QTest::newRow("hint hidden by the panel's box") << false << "1" << false << false;
    QTest::newRow("hint hidden by the typed word") << false << "0" << true << false;
}

void TestWallScreen::optionsTipShowsOnlyAfterTheButton()
{
    QFETCH(bool, atStart);
    QFETCH(QString, hintHidden);
    QFETCH(bool, typedHide);
    QFETCH(bool, shown);
    ProgramFixture fixture;
    fixture.store.seed({ { "Check1", hintHidden } });
    fixture.program.setStartRequest(atStart, {});
    fixture.program.start();
    if (!atStart)
        fixture.program.form1().ui().PushButton1->click();
    ClockWindow &clock = clockOf(fixture);
    for (Qt::Key key : { Qt::Key_H, Qt::Key_I, Qt::Key_D, Qt::Key_E }) {
        if (typedHide)
            fixture.program.form2().Form_KeyDown(key);
    }
    QCOMPARE(clock.optionsTip->isVisible(), shown);
    QCOMPARE(clock.optionsTipTimer->isActive(), shown);
    QCOMPARE(clock.optionsTipTimer->interval(), 10000);
    // The tip goes when its time is up.
    clock.optionsTipTimer->start(0);
    QTRY_VERIFY(!clock.optionsTip->isVisible());
}

void TestWallScreen::badValuesKeepTheDefaults_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("text");
    QTest::newRow("fit: lower case") << "Fit To Screen"
                                     << "on";
    QTest::newRow("burn-in: a number") << "Burn-in Guard"
                                       << "1";
    QTest::newRow("date: True") << "Show Date"
                                << "True";
    QTest::newRow("zone: empty") << "Show Zone"
                                 << "";
    QTest::newRow("sync warning: lower case") << "Time Sync Warning"
                                              << "off";
    QTest::newRow("from: hour 25") << "Night Dim From"
                                   << "25:00";
    QTest::newRow("from: a word") << "Night Dim From"
                                  << "night";
    QTest::newRow("to: one digit") << "Night Dim To"
                                   << "7";
    QTest::newRow("level: below 5") << "Night Dim Level"
                                    << "4";
    QTest::newRow("level: above 100") << "Night Dim Level"
                                      << "101";
    QTest::newRow("level: a word") << "Night Dim Level"
                                   << "dim";
    QTest::newRow("level: overflow") << "Night Dim Level"
                                     << "99999999999999999999";
    QTest::newRow("24-hour seconds: lower case") << "24-Hour Seconds"
                                                 << "on";
    QTest::newRow("date format: lower case") << "Date Format"
                                             << "iso";
}

void TestWallScreen::badValuesKeepTheDefaults()
{
    QFETCH(QString, key);
    QFETCH(QString, text);
    // 23:30 with a range from 22:00 that ends at 07:00 by default, at 30% by default.
    const QDateTime night(QDate(2026, 1, 15), QTime(23, 30), Qt::UTC);
    StoredValues stored { { key, text }, { "FontSize", "40" } };
    const bool dimmingKey = key.startsWith("Night Dim") && key != "Night Dim From";
    if (dimmingKey)
        stored.insert("Night Dim From", "22:00");
    auto fixture = clockShown(stored, night);
    Form2 &form = fixture->program.form2();
    form.Timer1_Timer();
    QVERIFY2(fixture->platform.messages.isEmpty(), qPrintable(fixture->platform.messageTexts().join('\n')));
    WallScreenOptions expected;
    if (dimmingKey)
        expected.nightDimming.from = QTime(22, 0);
    QCOMPARE(form.wallScreenOptions(), expected);
    QCOMPARE(clockOf(*fixture).Picture1->foreColor(), dimmingKey ? QColor(77, 77, 77) : QColor(Qt::white));
    QCOMPARE(clockOf(*fixture).Picture1->font().pointSize(), 40);
    // Left as it was until the user changes that option.
    QCOMPARE(fixture->store.value(key), text);
    clockOf(*fixture).optionsMenu->fitToScreen->trigger();
    if (key != "Fit To Screen")
        QCOMPARE(fixture->store.value(key), text);
    else
        QCOMPARE(fixture->store.value(key), QStringLiteral("On"));
}

QTEST_MAIN(TestWallScreen)
#include "tst_wallscreen.moc"

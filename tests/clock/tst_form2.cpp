#include "base/ErrorReport.h"
#include "base/RuntimeError.h"
#include "clock/ClockWindow.h"
#include "clock/Form2.h"
#include "clock/TimeFormat.h"
#include "drawing/TimeStrip.h"
#include "panel/Form1.h"
#include "panel/Form3.h"
#include "panel/PanelWindow.h"
#include "support/ClockFixture.h"
#include "support/ProgramFixture.h"
#include "support/ScopedEnvironment.h"
#include "support/TestFiles.h"
#include "support/TestZones.h"
#include "wallscreen/OtherZonesView.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEventLoop>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>
#include <QTimer>

#include <memory>
#include <sys/stat.h>

using TimeFormat::ClockFormat;

namespace {

std::unique_ptr<ProgramFixture> clockShown(const StoredValues &stored = {}, const QTime &at = QTime(13, 5, 42),
                                           bool reportsClockChanges = true)
{
    return clockOpenedAt(QDateTime(QDate(2026, 1, 15), at), stored, reportsClockChanges);
}

class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget &widget) { widget.installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// A file as the disk holds it: a rewrite gives another inode or time.
using FileIdentity = std::pair<ino_t, qint64>;

FileIdentity identityOf(const QString &path)
{
    struct stat status { };
    if (stat(QFile::encodeName(path).constData(), &status) != 0)
        return {};
    return { status.st_ino, qint64(status.st_mtim.tv_sec) * 1000000000 + status.st_mtim.tv_nsec };
}

void pressKeys(QWidget &window, const QList<Qt::Key> &keys)
{
    for (Qt::Key key : keys)
        QTest::keyClick(&window, key);
}

}

class TestForm2 : public QObject {
    Q_OBJECT

private slots:
    void defaultsShowWhiteBoldArialOnBlack();
    void storedColoursShowInTheWindow();
    void biggerFontGivesATallerStripStillCentred();
    void timeIsCentredOnTheStrip();
    void hintHiddenByCheck1();
    void fontChangeOnAnOpenClockRecentresTheDrawnDigits_data();
    void fontChangeOnAnOpenClockRecentresTheDrawnDigits();
    void noFormatSelectedLeavesTheStripEmpty();
    void tickShowsTheSelectedFormat();
    void unreadableZoneIsSaidUntilItsFileReads();
    void unchangedTickRepaintsNothing();
    void badFontSizeIsReportedAndLoadGoesOn();
    void failingTickDoesNotStackReports();
    void clockGoesOnWhileAReportIsOpen();
    void closedClockNeverTicksAgain_data();
    void closedClockNeverTicksAgain();
    void openingTheClockLeavesThePanelUnloadedAndWritesNothing();
    void clockAppliesSettingsAnewAtEachOpening();
    void escapeBringsThePanelBack();
    void closingTheClockAnyOtherWayBringsThePanelBack();
    void startUpOptionOpensTheClockAndHidesThePanel();
    void typingHideShrinksTheHint_data();
    void typingHideShrinksTheHint();
    void typingHideAgainChangesNothing();
    void ticksComeWhenTheTextCanChange_data();
    void ticksComeWhenTheTextCanChange();
    void settingTheClockShowsWithinASecond_data();
    void settingTheClockShowsWithinASecond();
    void resizeShowsTheStripAgainAtOnce();
    void chosenZoneSetsTheOffset_data();
    void chosenZoneSetsTheOffset();
    void noZoneSelectedIsReportedAndTheClockStillOpens();
    void offsetFollowsADaylightSavingChangeWhileOpen();
    void clockShowsTheFontAndColoursJustChosen();
    void keepAwakeTickComesAfter59Seconds();
    void keepAwakeTickPressesShiftOnlyIntoTheClock();
    void keepAwakeKeyOnlyWhereNothingElseKeepsTheScreenAwake_data();
    void keepAwakeKeyOnlyWhereNothingElseKeepsTheScreenAwake();
    void keepAwakeOffMakesNoCalls();
    void inhibitionIsHeldWhileTheClockIsShown_data();
    void inhibitionIsHeldWhileTheClockIsShown();
};

void TestForm2::defaultsShowWhiteBoldArialOnBlack()
{
    auto fixture = clockShown();
    ClockWindow &clock = clockOf(*fixture);
    QVERIFY(clock.isVisible());
    QVERIFY(clock.windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(clock.geometry(), clock.screen()->geometry());
    setClockSize(*fixture, QSize(1920, 1080));
    QCOMPARE(clock.Picture1->font().family(), QStringLiteral("Arial"));
    QCOMPARE(clock.Picture1->font().pointSize(), 150);
    QVERIFY(clock.Picture1->font().bold());
    QCOMPARE(clock.Picture1->foreColor(), QColor(Qt::white));
    QCOMPARE(clock.backColor(), QColor(Qt::black));
    QVERIFY(clock.Label1->isVisible());
    QVERIFY(clock.Timer1->isActive());
    QVERIFY(clock.Timer2->isActive());
    QCOMPARE(clock.Timer2->interval(), 59000);
    QVERIFY(fixture->platform.messages.isEmpty());
}

void TestForm2::storedColoursShowInTheWindow()
{
    auto fixture = clockShown({ { "Font Color", "255" }, { "Background Color", "16711680" }, { "FontSize", "40" } });
    const QImage shot = tickAndGrab(*fixture);
    const QColor blue(0, 0, 255);
    QCOMPARE(shot.pixelColor(shot.width() - 1, shot.height() - 1), blue);
    const QRect strip = clockOf(*fixture).Picture1->geometry();
    bool redDigit = false;
    for (int x = strip.left(); x <= strip.right() && !redDigit; ++x)
        redDigit = shot.pixelColor(x, strip.center().y()) == QColor(255, 0, 0);
    QVERIFY(redDigit);
    // The hint keeps its white letters.
    QCOMPARE(clockOf(*fixture).Label1->palette().color(QPalette::WindowText), QColor(Qt::white));
}

void TestForm2::biggerFontGivesATallerStripStillCentred()
{
    QList<QRect> strips;
    // The smallest size draws as the clock's least.
    for (const char *size : { "1", "12", "40", "80" }) {
        auto fixture = clockShown({ { "FontSize", size } });
        tickAndGrab(*fixture);
        ClockWindow &clock = clockOf(*fixture);
        const QRect strip = clock.Picture1->geometry();
        QVERIFY(clock.Picture1->isVisible());
        QVERIFY(qAbs(strip.center().y() - clock.height() / 2) <= 1);
        QCOMPARE(strip.width(), clock.width());
        strips.append(strip);
    }
    QCOMPARE(strips[0], strips[1]);
    QVERIFY(strips[2].height() > strips[1].height());
    QVERIFY(strips[3].height() > strips[2].height());
}

void TestForm2::timeIsCentredOnTheStrip()
{
    auto fixture = clockShown({ { "FontSize", "40" }, { "Option1", "False" }, { "Option3", "True" } });
    const QImage shot = tickAndGrab(*fixture);
    ClockWindow &clock = clockOf(*fixture);
    QCOMPARE(clock.Picture1->text(), QStringLiteral("13:05"));
    const QRect lit = litArea(shot.copy(clock.Picture1->geometry()), Qt::black);
    QVERIFY(lit.isValid());
    const int leftMargin = lit.left();
    const int rightMargin = clock.width() - 1 - lit.right();
    QVERIFY2(qAbs(leftMargin - rightMargin) <= 4,
             qPrintable(QStringLiteral("%1 vs %2").arg(leftMargin).arg(rightMargin)));
}

void TestForm2::fontChangeOnAnOpenClockRecentresTheDrawnDigits_data()
{
    QTest::addColumn<StoredValues>("format");
    QTest::newRow("with seconds") << StoredValues {};
    // The text stays the same until the next minute.
    QTest::newRow("hours and minutes") << StoredValues { { "Option1", "False" }, { "Option3", "True" } };
}

void TestForm2::fontChangeOnAnOpenClockRecentresTheDrawnDigits()
{
    QFETCH(StoredValues, format);
    format.insert("FontSize", "40");
    auto fixture = clockShown(format);
    TimeStrip &strip = *clockOf(*fixture).Picture1;
    tickAndGrab(*fixture);
    QFont bigger = strip.font();
    bigger.setPointSize(60);
    strip.setFont(bigger);
    const QImage drawn = tickAndGrab(*fixture);
    const QRect digits = litArea(drawn, Qt::black, strip.geometry());
    QVERIFY(!digits.isEmpty());
    // Centred within the side bearings of the first and last glyph.
    QVERIFY2(qAbs(digits.center().x() - strip.geometry().center().x()) <= 4,
             qPrintable(
                 QStringLiteral("digits at %1 to %2 of %3").arg(digits.left()).arg(digits.right()).arg(strip.width())));
}

void TestForm2::hintHiddenByCheck1()
{
    auto fixture = clockShown({ { "Check1", "1" } });
    ClockWindow &clock = clockOf(*fixture);
    QVERIFY(!clock.Label1->isVisible());
    QCOMPARE(fixture->program.form1().ui().Check1->checkState(), Qt::Checked);
}

void TestForm2::noFormatSelectedLeavesTheStripEmpty()
{
    auto fixture = clockShown({ { "Option1", "False" }, { "Option2", "False" }, { "Option3", "False" } });
    const QImage shot = tickAndGrab(*fixture);
    ClockWindow &clock = clockOf(*fixture);
    QVERIFY(clock.Picture1->isVisible());
    QCOMPARE(clock.Picture1->text(), QString());
    QVERIFY(!litArea(shot.copy(clock.Picture1->geometry()), Qt::black).isValid());
}

void TestForm2::tickShowsTheSelectedFormat()
{
    auto fixture = clockShown();
    Form2 &clock = fixture->program.form2();
    clock.Timer1_Timer();
    QCOMPARE(clock.ui().Picture1->text(), QStringLiteral("01:05:42 PM"));
    fixture->program.form1().ui().Option2->click();
    // Two hours west of the computer, which runs on UTC here.
    clock.setChosenZone("America/Noronha", fixture->platform.now);
    QCOMPARE(clock.mTimeZone, -120);
    clock.Timer1_Timer();
    QCOMPARE(clock.ui().Picture1->text(), QStringLiteral("11:05 AM"));
}

void TestForm2::unreadableZoneIsSaidUntilItsFileReads()
{
    // Zones of the database's list whose files do not read.
    QTemporaryDir database;
    TestZones::writeZoneDatabase(database.path(), "XX\t+0000+00000\tTest/Zone\nXX\t+0000+00000\tTest/Other\n");
    const QStringList files { database.filePath("Test/Zone"), database.filePath("Test/Other") };
    for (const QString &file : files)
        TestFiles::write(file, "not a zone file\n");
    ScopedEnvironment tzdir("TZDIR", QFile::encodeName(database.path()));
    auto fixture = clockShown({ { "Time Zone Name", "Test/Zone" }, { "Other Zones", "Test/Other" } });
    Form2 &clock = fixture->program.form2();
    ClockWindow &window = clockOf(*fixture);
    // The panel shows the computer's zone, as the clock does, and the stored zone stays.
    QCOMPARE(fixture->program.form1().ui().Combo1->currentText(), QStringLiteral("(UTC+00:00) UTC"));
    QCOMPARE(fixture->store.value("Time Zone Name"), QStringLiteral("Test/Zone"));
    clock.Timer1_Timer();
    QCOMPARE(clock.mTimeZone, 0);
    QVERIFY(window.zoneWarning->isVisible());
    QCOMPARE(window.zoneWarning->text(),
             QStringLiteral("Cannot read time zone data for Test/Zone, Test/Other: showing this computer's time"));
    QCOMPARE(window.otherZones->faces().value(0).time, QStringLiteral("--:--"));

    for (const QString &file : files)
        TestFiles::write(file, TestFiles::fixedOffsetZoneFile(345 * 60));
    QTRY_COMPARE(clock.mTimeZone, 345);
    QTRY_VERIFY(window.zoneWarning->isHidden());
    QCOMPARE(window.otherZones->faces().value(0).time, QStringLiteral("06:50 PM"));
}

void TestForm2::unchangedTickRepaintsNothing()
{
    auto fixture = clockShown({ { "FontSize", "40" } });
    ClockWindow &clock = clockOf(*fixture);
    QVERIFY(QTest::qWaitForWindowExposed(&clock));
    clock.Timer1->stop();
    fixture->program.form2().Timer1_Timer();
    QTest::qWait(50);
    PaintCounter counter(*clock.Picture1);
    fixture->program.form2().Timer1_Timer();
    QTest::qWait(50);
    QCOMPARE(counter.paints, 0);
    fixture->platform.now = fixture->platform.now.addSecs(1);
    fixture->program.form2().Timer1_Timer();
    QTRY_COMPARE(counter.paints, 1);
}

void TestForm2::badFontSizeIsReportedAndLoadGoesOn()
{
    auto fixture = clockShown({ { "FontSize", "abc" }, { "Background Color", "255" } });
    const QString location = QStringLiteral("in Lumetra2021/08/31.Form2.Form_Load ");
    const QString lblTimeSize = ErrorReport::messageText("Type mismatch", location, 120);
    const QString stripSize = ErrorReport::messageText("Type mismatch", location, 132);
    // Once each, although the first opening makes the clock window.
    QCOMPARE(fixture->platform.messageTexts(), (QStringList { lblTimeSize, stripSize }));
    QCOMPARE(clockOf(*fixture).backColor(), QColor(255, 0, 0));
}

void TestForm2::failingTickDoesNotStackReports()
{
    auto fixture = clockShown();
    Form2 &clock = fixture->program.form2();
    clock.Timer1_Timer();
    int ticksDuringReport = 0;
    fixture->platform.whileMessageOpen = [&] {
        ++ticksDuringReport;
        clock.Timer1_Timer();
    };
    fixture->platform.clockFailure = RuntimeErrors::overflow;
    clock.Timer1_Timer();
    // The tick under the open box ran and failed at the same step: no second box.
    QCOMPARE(ticksDuringReport, 1);
    QCOMPARE(fixture->platform.messageTexts(),
             QStringList { ErrorReport::messageText("Overflow", "in Lumetra2021/08/31.Form2.Timer1_Timer ", 104) });
    // Once the report is closed, the next failing tick reports again.
    fixture->platform.whileMessageOpen = nullptr;
    clock.Timer1_Timer();
    QCOMPARE(fixture->platform.messages.size(), 2);
}

void TestForm2::clockGoesOnWhileAReportIsOpen()
{
    // A tick that fails once reports it and holds its box open.
    auto fixture = clockShown();
    Form2 &clock = fixture->program.form2();
    QStringList textsWhileOpen;
    fixture->platform.clockFailure = RuntimeErrors::overflow;
    fixture->platform.whileMessageOpen = [&] {
        fixture->platform.clockFailure.clear();
        // Time runs as the wall clock does, so three seconds show three.
        QTimer tenth;
        QObject::connect(&tenth, &QTimer::timeout,
                         [&] { fixture->platform.now = fixture->platform.now.addMSecs(100); });
        tenth.start(100);
        QEventLoop box;
        QTimer::singleShot(3000, &box, &QEventLoop::quit);
        QObject::connect(clockOf(*fixture).Timer1, &QTimer::timeout, [&] {
            const QString text = clockOf(*fixture).Picture1->text();
            if (textsWhileOpen.isEmpty() || textsWhileOpen.last() != text)
                textsWhileOpen << text;
        });
        box.exec();
    };
    clock.Timer1_Timer();
    QCOMPARE(fixture->platform.messageTexts(),
             QStringList { ErrorReport::messageText("Overflow", "in Lumetra2021/08/31.Form2.Timer1_Timer ", 104) });
    QVERIFY2(textsWhileOpen.size() >= 2, qPrintable(textsWhileOpen.join(", ")));
}

void TestForm2::closedClockNeverTicksAgain_data()
{
    QTest::addColumn<bool>("escape");
    QTest::newRow("Esc") << true;
    QTest::newRow("window closed") << false;
}

void TestForm2::closedClockNeverTicksAgain()
{
    QFETCH(bool, escape);
    auto fixture = clockShown();
    Form2 &clock = fixture->program.form2();
    QPointer<QTimer> tick = clockOf(*fixture).Timer1;
    QPointer<QTimer> keepAwake = clockOf(*fixture).Timer2;
    QVERIFY(keepAwake->isActive());
    const int tickId = tick->timerId();
    const int keepAwakeId = keepAwake->timerId();
    if (escape)
        QTest::keyClick(&clockOf(*fixture), Qt::Key_Escape);
    else
        clockOf(*fixture).close();
    QVERIFY(!clock.isLoaded());

    // Both timers fall due in the same pass of the event loop, before Qt deletes the window.
    QVERIFY(tick && keepAwake);
    QTimerEvent tickDue(tickId);
    QCoreApplication::sendEvent(tick, &tickDue);
    QTimerEvent keepAwakeDue(keepAwakeId);
    QCoreApplication::sendEvent(keepAwake, &keepAwakeDue);

    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!clock.isLoaded());
    QVERIFY(fixture->platform.shiftEvents.isEmpty());
    QCOMPARE(fixture->platform.activityReports, 0);
    int clockWindows = 0;
    for (QWidget *widget : QApplication::topLevelWidgets())
        clockWindows += qobject_cast<ClockWindow *>(widget) ? 1 : 0;
    QCOMPARE(clockWindows, 0);
    QVERIFY(fixture->program.form1().ui().isVisible());
}

void TestForm2::openingTheClockLeavesThePanelUnloadedAndWritesNothing()
{
    // The first opening remembers the clock's screen; the panel's reload after Esc is done.
    auto fixture = clockShown({ { "Option1", "False" }, { "Option3", "True" } });
    QTest::keyClick(&clockOf(*fixture), Qt::Key_Escape);
    Form1 &panel = fixture->program.form1();
    const FileIdentity before = identityOf(fixture->store.filePath());

    panel.ui().PushButton1->click();
    fixture->program.form2().Timer1_Timer();
    fixture->program.form2().Timer1_Timer();
    QVERIFY(!panel.isLoaded());
    QVERIFY(panel.mDontUnload);
    QCOMPARE(clockOf(*fixture).Picture1->text(), QStringLiteral("13:05"));
    // Every write replaces the file through a rename.
    QCOMPARE(identityOf(fixture->store.filePath()), before);
    QCOMPARE(fixture->platform.seeds.size(), 1);
    QVERIFY(!fixture->program.hasEnded());
}

void TestForm2::clockAppliesSettingsAnewAtEachOpening()
{
    auto fixture = clockShown();
    QTest::keyClick(&clockOf(*fixture), Qt::Key_Escape);
    fixture->store.seed({ { "FontSize", "60" }, { "Font Color", "65280" } });
    fixture->program.form1().ui().PushButton1->click();
    ClockWindow &clock = clockOf(*fixture);
    QCOMPARE(clock.Picture1->font().pointSize(), 60);
    QCOMPARE(clock.Picture1->foreColor(), QColor(0, 255, 0));
}

void TestForm2::escapeBringsThePanelBack()
{
    auto fixture = clockShown();
    fixture->program.form2().Timer1_Timer();
    QTest::keyClick(&clockOf(*fixture), Qt::Key_Escape);
    QVERIFY(!fixture->program.form2().isLoaded());
    Form1 &panel = fixture->program.form1();
    QVERIFY(panel.ui().isVisible());
    QVERIFY(!panel.mDontUnload);
    panel.ui().close();
    QVERIFY(fixture->program.hasEnded());
}

void TestForm2::closingTheClockAnyOtherWayBringsThePanelBack()
{
    auto fixture = clockShown();
    clockOf(*fixture).close();
    QVERIFY(!fixture->program.form2().isLoaded());
    QVERIFY(fixture->program.form1().ui().isVisible());
    QVERIFY(!fixture->program.form1().mDontUnload);
    QVERIFY(!fixture->program.hasEnded());
}

void TestForm2::startUpOptionOpensTheClockAndHidesThePanel()
{
    ProgramFixture fixture;
    fixture.store.seed({ { "Windows Startup", "On" } });
    fixture.program.start();
    QVERIFY(fixture.program.form2().isLoaded());
    QVERIFY(clockOf(fixture).isVisible());
    Form1 &panel = fixture.program.form1();
    QVERIFY(panel.isLoaded());
    QVERIFY(!panel.ui().isVisible());
    QVERIFY(panel.mDontUnload);
    QCOMPARE(fixture.store.value("Windows Startup"), QStringLiteral("On"));
}

void TestForm2::typingHideShrinksTheHint_data()
{
    QTest::addColumn<QList<Qt::Key>>("keys");
    QTest::addColumn<bool>("hides");
    QTest::newRow("h i d e") << QList<Qt::Key> { Qt::Key_H, Qt::Key_I, Qt::Key_D, Qt::Key_E } << true;
    QTest::newRow("h h i d e") << QList<Qt::Key> { Qt::Key_H, Qt::Key_H, Qt::Key_I, Qt::Key_D, Qt::Key_E } << false;
    QTest::newRow("h i e d e") << QList<Qt::Key> { Qt::Key_H, Qt::Key_I, Qt::Key_E, Qt::Key_D, Qt::Key_E } << true;
    QTest::newRow("shift between letters")
        << QList<Qt::Key> { Qt::Key_H, Qt::Key_Shift, Qt::Key_I, Qt::Key_D, Qt::Key_E } << false;
}

void TestForm2::typingHideShrinksTheHint()
{
    QFETCH(QList<Qt::Key>, keys);
    QFETCH(bool, hides);
    auto fixture = clockShown();
    ClockWindow &clock = clockOf(*fixture);
    const QSize before = clock.Label1->size();
    pressKeys(clock, keys);
    QCOMPARE(clock.Label1->size(), hides ? QSize(0, 0) : before);
    QVERIFY(!fixture->program.form2().mHideArmed);
    QCOMPARE(fixture->program.form2().mHideStep, 0);
    QVERIFY(clock.isVisible());
}

void TestForm2::typingHideAgainChangesNothing()
{
    auto fixture = clockShown({ { "Check1", "1" } });
    ClockWindow &clock = clockOf(*fixture);
    pressKeys(clock, { Qt::Key_H, Qt::Key_I, Qt::Key_D, Qt::Key_E });
    QCOMPARE(clock.Label1->size(), QSize(0, 0));
    QVERIFY(!clock.Label1->isVisible());
    pressKeys(clock, { Qt::Key_H, Qt::Key_I, Qt::Key_D, Qt::Key_E });
    QCOMPARE(clock.Label1->size(), QSize(0, 0));
    QVERIFY(fixture->platform.messages.isEmpty());
}

void TestForm2::ticksComeWhenTheTextCanChange_data()
{
    QTest::addColumn<StoredValues>("stored");
    QTest::addColumn<ClockFormat>("format");
    QTest::addColumn<bool>("reportsClockChanges");
    QTest::addColumn<int>("maxTicksPerMinute");
    const StoredValues seconds;
    const StoredValues minutes12 { { "Option1", "False" }, { "Option2", "True" } };
    const StoredValues minutes24 { { "Option1", "False" }, { "Option3", "True" } };
    QTest::newRow("with seconds") << seconds << ClockFormat::HoursMinutesSecondsAmPm << true << 61;
    QTest::newRow("12-hour without seconds") << minutes12 << ClockFormat::HoursMinutesAmPm << true << 2;
    QTest::newRow("24-hour") << minutes24 << ClockFormat::HoursMinutes << true << 2;
    QTest::newRow("with seconds, clock changes unreported")
        << seconds << ClockFormat::HoursMinutesSecondsAmPm << false << 61;
    QTest::newRow("24-hour, clock changes unreported") << minutes24 << ClockFormat::HoursMinutes << false << 61;
}

void TestForm2::ticksComeWhenTheTextCanChange()
{
    QFETCH(StoredValues, stored);
    QFETCH(ClockFormat, format);
    QFETCH(bool, reportsClockChanges);
    QFETCH(int, maxTicksPerMinute);
    // Ten minutes across the hour and noon, started between two seconds.
    auto fixture = clockShown(stored, QTime(11, 55, 17, 370), reportsClockChanges);
    Form2 &clock = fixture->program.form2();
    const TimeStrip &strip = *clock.ui().Picture1;
    QTimer &timer = *clock.ui().Timer1;
    QCOMPARE(timer.timerType(), Qt::PreciseTimer);
    const auto textAt = [&](const QDateTime &instant) {
        return TimeFormat::format(instant.time(), format, DayHalfMarkers::of(QLocale::c()));
    };

    const QDateTime start = fixture->platform.now;
    constexpr qint64 minute = 60 * 1000;
    QList<int> ticksPerMinute(10, 0);
    for (;;) {
        QVERIFY(timer.isActive());
        const QDateTime due = fixture->platform.now.addMSecs(timer.interval());
        if (start.msecsTo(due) >= 10 * minute)
            break;
        // Nothing the clock shows changes between two ticks.
        if (!strip.text().isEmpty())
            QCOMPARE(textAt(due.addMSecs(-1)), strip.text());
        fixture->platform.now = due;
        clock.Timer1_Timer();
        QCOMPARE(strip.text(), textAt(due));
        ++ticksPerMinute[start.msecsTo(due) / minute];
    }
    for (int count : std::as_const(ticksPerMinute))
        QVERIFY2(count <= maxTicksPerMinute, qPrintable(QStringLiteral("%1 ticks in a minute").arg(count)));
    QCOMPARE(strip.text(), textAt(start.addMSecs(10 * minute - 1)));
}

void TestForm2::settingTheClockShowsWithinASecond_data()
{
    QTest::addColumn<int>("jumpSeconds");
    QTest::addColumn<bool>("reportsClockChanges");
    QTest::newRow("an hour on") << 3600 << true;
    QTest::newRow("an hour back") << -3600 << true;
    QTest::newRow("an hour on, unreported") << 3600 << false;
    QTest::newRow("an hour back, unreported") << -3600 << false;
}

void TestForm2::settingTheClockShowsWithinASecond()
{
    QFETCH(int, jumpSeconds);
    QFETCH(bool, reportsClockChanges);
    // The 24-hour format, whose text waits longest for a change.
    auto fixture
        = clockShown({ { "Option1", "False" }, { "Option3", "True" } }, QTime(13, 5, 42, 370), reportsClockChanges);
    Form2 &clock = fixture->program.form2();
    const TimeStrip &strip = *clock.ui().Picture1;
    QTimer &timer = *clock.ui().Timer1;
    clock.Timer1_Timer();
    QCOMPARE(strip.text(), QStringLiteral("13:05"));

    fixture->platform.setClock(fixture->platform.now.addSecs(jumpSeconds));
    const QString expected
        = TimeFormat::format(fixture->platform.now.time(), ClockFormat::HoursMinutes, DayHalfMarkers::of(QLocale::c()));
    qint64 waited = 0;
    while (strip.text() != expected && waited <= 1000) {
        QVERIFY(timer.isActive());
        waited += timer.interval();
        fixture->platform.now = fixture->platform.now.addMSecs(timer.interval());
        clock.Timer1_Timer();
    }
    QCOMPARE(strip.text(), expected);
    QVERIFY2(waited <= 1000, qPrintable(QStringLiteral("shown after %1 ms").arg(waited)));
}

void TestForm2::resizeShowsTheStripAgainAtOnce()
{
    // Without seconds the next tick would be a minute away.
    auto fixture = clockShown({ { "Option1", "False" }, { "Option3", "True" }, { "FontSize", "40" } });
    ClockWindow &clock = clockOf(*fixture);
    QVERIFY(QTest::qWaitForWindowExposed(&clock));
    // Once shown and exposed, the clock waits for the next minute.
    QTRY_VERIFY(clock.Picture1->isVisible() && clock.Timer1->interval() > 1000);

    const QSize smaller = clock.size() / 2;
    clock.resize(smaller);
    QTRY_COMPARE(clock.size(), smaller);
    QTRY_VERIFY(clock.Picture1->isVisible());
    QCOMPARE(clock.Picture1->width(), smaller.width());
    QCOMPARE(clock.Picture1->text(), QStringLiteral("13:05"));
}

void TestForm2::chosenZoneSetsTheOffset_data()
{
    QTest::addColumn<QString>("zone");
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QString>("shown");
    const QDateTime january(QDate(2026, 1, 15), QTime(13, 5, 42), QTimeZone::utc());
    const QDateTime july(QDate(2026, 7, 15), QTime(13, 5, 42), QTimeZone::utc());
    QTest::newRow("the computer's own zone") << "(UTC+00:00) UTC" << january << 0 << "01:05:42 PM";
    QTest::newRow("Tokyo") << "Asia/Tokyo" << january << 540 << "10:05:42 PM";
    QTest::newRow("Berlin in winter") << "Europe/Berlin" << january << 60 << "02:05:42 PM";
    QTest::newRow("Berlin in summer") << "Europe/Berlin" << july << 120 << "03:05:42 PM";
    QTest::newRow("Honolulu across midnight")
        << "Pacific/Honolulu" << january.addSecs(-12 * 3600) << -600 << "03:05:42 PM";
}

void TestForm2::chosenZoneSetsTheOffset()
{
    QFETCH(QString, zone);
    QFETCH(QDateTime, now);
    QFETCH(int, offset);
    QFETCH(QString, shown);
    ProgramFixture fixture;
    fixture.platform.now = now;
    fixture.program.start();
    QComboBox &list = *fixture.program.form1().ui().Combo1;
    const int position = list.findText(zone, Qt::MatchEndsWith);
    QVERIFY(position >= 0);
    list.setCurrentIndex(position);
    fixture.program.form1().ui().PushButton1->click();
    Form2 &clock = fixture.program.form2();
    QCOMPARE(clock.mTimeZone, offset);
    clock.Timer1_Timer();
    QCOMPARE(clock.ui().Picture1->text(), shown);
    QVERIFY(fixture.platform.messages.isEmpty());
}

void TestForm2::noZoneSelectedIsReportedAndTheClockStillOpens()
{
    auto fixture = clockShown({ { "Combo1", "abc" } });
    const QString step2
        = ErrorReport::messageText("Invalid property value", "in Lumetra2021/08/31.Form1.PushButton1_Click ", 102);
    QCOMPARE(fixture->platform.messageTexts().last(), step2);
    QCOMPARE(fixture->program.form2().mTimeZone, 0);
    QVERIFY(clockOf(*fixture).isVisible());
}

void TestForm2::offsetFollowsADaylightSavingChangeWhileOpen()
{
    ProgramFixture fixture;
    fixture.platform.now = QDateTime(QDate(2026, 3, 29), QTime(0, 59, 30), QTimeZone::utc());
    fixture.program.start();
    QComboBox &list = *fixture.program.form1().ui().Combo1;
    list.setCurrentIndex(list.findText("Europe/Berlin", Qt::MatchEndsWith));
    fixture.program.form1().ui().PushButton1->click();
    Form2 &clock = fixture.program.form2();
    clock.Timer1_Timer();
    QCOMPARE(clock.ui().Picture1->text(), QStringLiteral("01:59:30 AM"));
    fixture.platform.now = fixture.platform.now.addSecs(30);
    clock.Timer1_Timer();
    QCOMPARE(clock.mTimeZone, 120);
    QCOMPARE(clock.ui().Picture1->text(), QStringLiteral("03:00:00 AM"));
}

void TestForm2::clockShowsTheFontAndColoursJustChosen()
{
    ProgramFixture fixture;
    fixture.program.start();
    Form1 &panel = fixture.program.form1();
    FontChoice serif;
    serif.name = QStringLiteral("Liberation Serif");
    serif.size = 48;
    fixture.platform.fontAnswers = { serif };
    panel.PushButton2_Click();
    fixture.platform.colourAnswers = { 0x00FFFF, 0x800000 };
    panel.PushButton4_Click();
    fixture.program.form3().Label1_Click();
    fixture.program.form3().Label2_Click();
    fixture.program.form3().PushButton1_Click();

    panel.ui().PushButton1->click();
    const QImage shot = tickAndGrab(fixture);
    ClockWindow &clock = clockOf(fixture);
    QCOMPARE(clock.Picture1->font().family(), QStringLiteral("Liberation Serif"));
    QCOMPARE(clock.Picture1->font().pointSize(), 48);
    QVERIFY(!clock.Picture1->font().bold());
    const QColor yellow(255, 255, 0);
    const QColor navy(0, 0, 128);
    QCOMPARE(shot.pixelColor(0, shot.height() - 1), navy);
    const QRect lit = litArea(shot.copy(clock.Picture1->geometry()), navy);
    QVERIFY(lit.isValid());
    bool yellowDigit = false;
    const QImage strip = shot.copy(clock.Picture1->geometry());
    for (int x = lit.left(); x <= lit.right() && !yellowDigit; ++x) {
        for (int y = lit.top(); y <= lit.bottom() && !yellowDigit; ++y)
            yellowDigit = strip.pixelColor(x, y) == yellow;
    }
    QVERIFY(yellowDigit);
}

void TestForm2::keepAwakeTickComesAfter59Seconds()
{
    auto fixture = clockShown();
    QTimer &timer = *clockOf(*fixture).Timer2;
    QVERIFY(timer.isActive());
    QVERIFY(timer.remainingTime() > 58000);
    QCOMPARE(fixture->platform.activityReports, 0);
    QVERIFY(fixture->platform.shiftEvents.isEmpty());
}

void TestForm2::keepAwakeTickPressesShiftOnlyIntoTheClock()
{
    auto fixture = clockShown();
    Form2 &clock = fixture->program.form2();
    QWidget elsewhere;
    elsewhere.show();
    elsewhere.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
    clock.Timer2_Timer();
    QVERIFY(fixture->platform.shiftEvents.isEmpty());
    QCOMPARE(fixture->platform.activityReports, 1);
    elsewhere.hide();

    clock.ui().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&clock.ui()));
    fixture->platform.activityReports = 0;
    QTest::keyClick(&clock.ui(), Qt::Key_H);
    QVERIFY(clock.mHideArmed);
    clock.Timer2_Timer();
    QCOMPARE(fixture->platform.shiftEvents, (QList<bool> { true, false }));
    QCOMPARE(fixture->platform.activityReports, 1);
    // The synthetic Shift reaches the clock like any key and clears the typed word.
    QTest::keyClick(&clock.ui(), Qt::Key_Shift);
    QVERIFY(!clock.mHideArmed);
}

void TestForm2::keepAwakeKeyOnlyWhereNothingElseKeepsTheScreenAwake_data()
{
    QTest::addColumn<bool>("extension");
    QTest::addColumn<bool>("inhibited");
    QTest::addColumn<bool>("screenReader");
    QTest::addColumn<bool>("key");
    QTest::newRow("nothing else: the key") << false << false << false << true;
    QTest::newRow("the X server's screen saver suspended") << true << false << false << false;
    QTest::newRow("the session's service inhibits") << false << true << false << false;
    QTest::newRow("a screen reader listens") << false << false << true << false;
}

void TestForm2::keepAwakeKeyOnlyWhereNothingElseKeepsTheScreenAwake()
{
    QFETCH(bool, extension);
    QFETCH(bool, inhibited);
    QFETCH(bool, screenReader);
    QFETCH(bool, key);
    auto fixture = clockShown();
    fixture->platform.keepAwake = {
        .x11 = true, .screenSaverSuspend = extension, .idleInhibited = inhibited, .assistiveTechnology = screenReader
    };
    Form2 &clock = fixture->program.form2();
    clock.ui().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&clock.ui()));
    clock.Timer2_Timer();
    QCOMPARE(fixture->platform.shiftEvents, key ? (QList<bool> { true, false }) : QList<bool>());
    // The system is reported in use at every tick, whichever the means.
    QCOMPARE(fixture->platform.activityReports, 1);
}

void TestForm2::keepAwakeOffMakesNoCalls()
{
    auto fixture = clockShown({ { "Check4", "0" } });
    ClockWindow &clock = clockOf(*fixture);
    QVERIFY(!clock.Timer2->isActive());
    QCOMPARE(fixture->program.form1().ui().Check4->checkState(), Qt::Unchecked);
    QTest::qWait(250);
    QTest::keyClick(&clock, Qt::Key_Escape);
    QVERIFY(fixture->platform.shiftEvents.isEmpty());
    QCOMPARE(fixture->platform.activityReports, 0);
    QCOMPARE(fixture->platform.inhibitions, 0);
    QCOMPARE(fixture->platform.releases, 0);
}

void TestForm2::inhibitionIsHeldWhileTheClockIsShown_data()
{
    QTest::addColumn<QString>("leaving");
    QTest::newRow("escape") << "escape";
    QTest::newRow("window manager close") << "close";
    QTest::newRow("program ends") << "end";
}

void TestForm2::inhibitionIsHeldWhileTheClockIsShown()
{
    QFETCH(QString, leaving);
    auto fixture = clockShown();
    fixture->program.form2().Timer1_Timer();
    QCOMPARE(fixture->platform.inhibitions, 1);
    QCOMPARE(fixture->platform.releases, 0);
    if (leaving == "escape")
        QTest::keyClick(&clockOf(*fixture), Qt::Key_Escape);
    else if (leaving == "close")
        clockOf(*fixture).close();
    else
        fixture->program.end();
    QCOMPARE(fixture->platform.inhibitions, 1);
    QCOMPARE(fixture->platform.releases, 1);
}

QTEST_MAIN(TestForm2)
#include "tst_form2.moc"

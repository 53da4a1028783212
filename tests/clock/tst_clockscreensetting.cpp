#include "clock/ClockScreenSetting.h"
#include "settings/SettingsStore.h"
#include "support/TestFiles.h"
#include "support/TestStore.h"

#include <QTest>

Q_DECLARE_METATYPE(ScreenIdentity)

class TestClockScreenSetting : public QObject {
    Q_OBJECT

private slots:
    void storedScreenReplacesTheOneBefore_data();
    void storedScreenReplacesTheOneBefore();
    void sameScreenAgainRewritesNothing();
    void aLockedScreenIsTheSitesWhateverIsAsked();
};

void TestClockScreenSetting::storedScreenReplacesTheOneBefore_data()
{
    QTest::addColumn<ScreenIdentity>("before");
    QTest::addColumn<ScreenIdentity>("after");

    const ScreenIdentity wall { "HDMI-1", "SAM", "QE55", "H4ZN900123" };
    QTest::newRow("first screen remembered") << ScreenIdentity {} << wall;
    QTest::newRow("the same monitor on another connector")
        << wall << ScreenIdentity { "DP-2", "SAM", "QE55", "H4ZN900123" };
    // What a monitor does not report must not be left over from the one before.
    QTest::newRow("a screen that reports nothing but its name") << wall << ScreenIdentity { "Right", "", "", "" };
}

void TestClockScreenSetting::storedScreenReplacesTheOneBefore()
{
    QFETCH(ScreenIdentity, before);
    QFETCH(ScreenIdentity, after);

    TestStore test;
    {
        SettingsStore settings([](const QString &message) { QFAIL(qPrintable(message)); });
        ClockScreenSetting::store(settings, before);
        ClockScreenSetting::store(settings, after);
    }
    // A later run reads it back from the file.
    const SettingsStore settings([](const QString &message) { QFAIL(qPrintable(message)); });
    QCOMPARE(ClockScreenSetting::read(settings), after);
    QCOMPARE(test.value("Clock Screen"), after.name);
    QCOMPARE(test.value("Clock Screen Serial Number"), after.serialNumber);
}

void TestClockScreenSetting::sameScreenAgainRewritesNothing()
{
    TestStore test;
    SettingsStore settings([](const QString &message) { QFAIL(qPrintable(message)); });
    const ScreenIdentity wall { "HDMI-1", "SAM", "QE55", "H4ZN900123" };
    ClockScreenSetting::store(settings, wall);
    const quint64 written = TestFiles::inodeOf(test.filePath());
    QVERIFY(written != 0);
    ClockScreenSetting::store(settings, wall);
    QCOMPARE(TestFiles::inodeOf(test.filePath()), written);
}

void TestClockScreenSetting::aLockedScreenIsTheSitesWhateverIsAsked()
{
    TestStore test;
    const QString site = test.configFolder() + "/site/Orvanta/Lumetra Wall Time Display.ini";
    // One key of the screen locks it whole.
    TestFiles::write(site, "[General]\nClock%20Screen=HDMI-1\nLocked%20Keys=Clock Screen Model\n");
    SettingsStore settings([](const QString &message) { QFAIL(qPrintable(message)); }, test.filePath(), { site });
    const ScreenIdentity asked { "DP-2", "SAM", "QE55", "H4ZN900123" };
    ClockScreenSetting::store(settings, asked);
    QCOMPARE(ClockScreenSetting::inForce(settings, asked), (ScreenIdentity { "HDMI-1", {}, {}, {} }));
}

QTEST_GUILESS_MAIN(TestClockScreenSetting)
#include "tst_clockscreensetting.moc"

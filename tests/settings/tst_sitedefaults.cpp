#include "clock/ClockWindow.h"
#include "clock/Form2.h"
#include "drawing/TimeStrip.h"
#include "dressing/ReadableText.h"
#include "panel/ColourWindow.h"
#include "panel/Form1.h"
#include "panel/Form3.h"
#include "panel/PanelWindow.h"
#include "panel/SwatchLabel.h"
#include "settings/SettingsStore.h"
#include "support/ClockFixture.h"
#include "support/ScopedEnvironment.h"
#include "wallscreen/NightHoursDialog.h"
#include "wallscreen/WallScreenMenu.h"
#include "windows/SiteLocks.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString storeName = QStringLiteral("Orvanta/Lumetra Wall Time Display.ini");

// Writes a settings file's text under a folder as Orvanta/Lumetra Wall Time Display.ini.
QString writeStoreFile(const QString &folder, const QByteArray &text)
{
    const QString path = QDir(folder).filePath(storeName);
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        return QString();
    return path;
}

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A control by the name a test row gives it: the panel's, the digits' swatch, the brightness
// field of Night Hours (opened for it) or an entry of the clock's menu.
QObject *controlNamed(ProgramFixture &fixture, const QString &name)
{
    PanelWindow &panel = fixture.program.form1().ui();
    const QMap<QString, QObject *> controls {
        { "zone list", panel.Combo1 },          { "format", panel.Frame4 },
        { "Change font", panel.PushButton2 },   { "Reset font", panel.PushButton3 },
        { "Change colour", panel.PushButton4 }, { "swatch", fixture.program.form3().ui().Label1 }
    };
    ClockWindow &clock = clockOf(fixture);
    if (name == "typed word")
        return &clock;
    if (name == "brightness field") {
        fixture.program.form2().chooseNightHours();
        return clock.findChild<NightHoursDialog *>()->findChild<QSpinBox *>();
    }
    for (const QMenu *menu : { static_cast<QMenu *>(clock.optionsMenu), clock.optionsMenu->nightDimming }) {
        for (QAction *entry : menu->actions()) {
            if (entry->text().startsWith(name))
                return entry;
        }
    }
    return controls.value(name);
}

// Uses a menu entry or a dialog's field as something that misses its disabled state would.
void useAnyway(QObject &control)
{
    if (auto *clock = qobject_cast<ClockWindow *>(&control))
        QTest::keyClicks(clock, "hide");
    if (auto *entry = qobject_cast<QAction *>(&control))
        emit entry->triggered(true);
    if (auto *dialog = qobject_cast<QDialog *>(control.parent())) {
        control.setProperty("value", 10);
        dialog->accept();
    }
}

// What the clock and the panel show of the values the rows lock.
QString valuesInForce(ProgramFixture &fixture)
{
    const ClockWindow &clock = clockOf(fixture);
    return QStringLiteral("digits %1, until %2, %3, %4 pt, swatch %5, %6 time, hint %7")
        .arg(clock.Picture1->foreColor().red())
        .arg(fixture.program.form2().wallScreenOptions().nightDimming.to.toString("HH:mm"), clock.infoLines->text())
        .arg(clock.lblTime->font().pointSize())
        .arg(backgroundOf(*fixture.program.form3().ui().Label1).name())
        .arg(fixture.program.form1().ui().Option3->isChecked() ? "24-hour" : "12-hour",
             clock.Label1->size().isEmpty() ? "hidden" : "shown");
}

}

// The site's defaults under XDG_CONFIG_DIRS, read for keys that the user's file lacks.
class TestSiteDefaults : public QObject {
    Q_OBJECT

private slots:
    void siteFoldersFollowXdgConfigDirs_data();
    void siteFoldersFollowXdgConfigDirs();
    void keyComesFromTheFirstThatHoldsIt_data();
    void keyComesFromTheFirstThatHoldsIt();
    void savingWritesOnlyTheUsersFile();
    void choosingWhatTheSiteHoldsIsStoredAsTheUsers();
    void programStartsWithTheSitesChoices();
    void lockedKeysAreTheSitesAlone_data();
    void lockedKeysAreTheSitesAlone();
    void lockedKeysHoldWhereverTheyAreUsed_data();
    void lockedKeysHoldWhereverTheyAreUsed();
    void everyChangePassesTheLock_data();
    void everyChangePassesTheLock();
    void lockedControlsStayInReachAndReadAsUnavailable();
};

void TestSiteDefaults::siteFoldersFollowXdgConfigDirs_data()
{
    QTest::addColumn<QByteArray>("variable");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("two folders, in order")
        << QByteArray("/opt/site:/etc/xdg") << QStringList { "/opt/site/" + storeName, "/etc/xdg/" + storeName };
    QTest::newRow("empty entries skipped") << QByteArray(":/opt/site::") << QStringList { "/opt/site/" + storeName };
    QTest::newRow("empty: /etc/xdg") << QByteArray("") << QStringList { "/etc/xdg/" + storeName };
}

void TestSiteDefaults::siteFoldersFollowXdgConfigDirs()
{
    QFETCH(QByteArray, variable);
    QFETCH(QStringList, expected);
    const ScopedEnvironment dirs("XDG_CONFIG_DIRS", variable);
    QCOMPARE(SettingsStore::defaultSiteFilePaths(), expected);
}

void TestSiteDefaults::keyComesFromTheFirstThatHoldsIt_data()
{
    QTest::addColumn<QByteArray>("user");
    QTest::addColumn<QByteArray>("firstSite");
    QTest::addColumn<QByteArray>("secondSite");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");

    const QByteArray none;
    QTest::newRow("user's value wins") << QByteArray("[General]\nFontSize=40\n")
                                       << QByteArray("[General]\nFontSize=90\n") << none << "FontSize"
                                       << "40";
    QTest::newRow("site's value for a missing key")
        << QByteArray("[General]\nCheck1=1\n") << QByteArray("[General]\nFontSize=90\n") << none << "FontSize"
        << "90";
    QTest::newRow("no user's file") << none << QByteArray("[General]\nFontSize=90\n") << none << "FontSize"
                                    << "90";
    QTest::newRow("first site folder wins")
        << none << QByteArray("[General]\nFontSize=90\n") << QByteArray("[General]\nFontSize=120\n") << "FontSize"
        << "90";
    QTest::newRow("second folder when the first lacks the key")
        << none << QByteArray("[General]\nCheck1=1\n") << QByteArray("[General]\nFontSize=120\n") << "FontSize"
        << "120";
    QTest::newRow("site key in other letters") << none << QByteArray("[General]\nfontsize=90\n") << none << "FontSize"
                                               << "90";
    QTest::newRow("user's key in other letters wins")
        << QByteArray("[General]\nFONTSIZE=40\n") << QByteArray("[General]\nFontSize=90\n") << none << "FontSize"
        << "40";
    QTest::newRow("key with a blank") << none << QByteArray("[General]\nBackground%20Color=255\n") << none
                                      << "Background Color"
                                      << "255";
    QTest::newRow("nowhere: reader's default") << none << QByteArray("[General]\nCheck1=1\n") << none << "FontSize"
                                               << "150";
}

void TestSiteDefaults::keyComesFromTheFirstThatHoldsIt()
{
    QFETCH(QByteArray, user);
    QFETCH(QByteArray, firstSite);
    QFETCH(QByteArray, secondSite);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    QTemporaryDir folders;
    const QString userPath = user.isNull() ? QDir(folders.filePath("user")).filePath(storeName)
                                           : writeStoreFile(folders.filePath("user"), user);
    QStringList sitePaths
        = { QDir(folders.filePath("site1")).filePath(storeName), QDir(folders.filePath("site2")).filePath(storeName) };
    if (!firstSite.isNull())
        sitePaths[0] = writeStoreFile(folders.filePath("site1"), firstSite);
    if (!secondSite.isNull())
        sitePaths[1] = writeStoreFile(folders.filePath("site2"), secondSite);
    QStringList problems;
    SettingsStore store([&](const QString &message) { problems << message; }, userPath, sitePaths);

    QCOMPARE(store.GetSetting(key, 150), expected);
    QCOMPARE(problems, QStringList());
}

void TestSiteDefaults::savingWritesOnlyTheUsersFile()
{
    QTemporaryDir folders;
    const QByteArray siteText("[General]\nFontSize=90\nCheck4=0\n");
    const QString sitePath = writeStoreFile(folders.filePath("site"), siteText);
    const QString userPath = QDir(folders.filePath("user")).filePath(storeName);
    SettingsStore store([](const QString &) {}, userPath, { sitePath });

    store.SaveSetting("FontSize", "40");
    QCOMPARE(store.GetSetting("FontSize", 150), QStringLiteral("40"));
    QCOMPARE(store.GetSetting("check4", 1), QStringLiteral("0"));
    QCOMPARE(contentOf(sitePath), siteText);
    QCOMPARE(QDir(QFileInfo(sitePath).path()).entryList(QDir::Files | QDir::Hidden),
             QStringList { QFileInfo(sitePath).fileName() });
    // The user's file holds what was saved, not the site's values read alongside.
    SettingsStore again([](const QString &) {}, userPath, {});
    QCOMPARE(again.GetSetting("FontSize", 150), QStringLiteral("40"));
    QCOMPARE(again.GetSetting("Check4", 1), QStringLiteral("1"));
}

void TestSiteDefaults::choosingWhatTheSiteHoldsIsStoredAsTheUsers()
{
    QTemporaryDir folders;
    const QString sitePath = writeStoreFile(folders.filePath("site"), "[General]\nCombo1=5\n");
    const QString userPath = QDir(folders.filePath("user")).filePath(storeName);
    SettingsStore store([](const QString &) {}, userPath, { sitePath });
    store.SaveSettingIfChanged("Combo1", "5");
    store.SaveSettingIfChanged("Check4", "0");
    store.SaveSettingIfChanged("Check4", "0");
    // The user's file holds the choice: a later change of the site's default leaves it.
    SettingsStore userOnly([](const QString &) {}, userPath, {});
    QCOMPARE(userOnly.GetSetting("Combo1", 0), QStringLiteral("5"));
    QCOMPARE(contentOf(userPath), QByteArray("[General]\nCheck4=0\nCombo1=5\n"));
}

void TestSiteDefaults::programStartsWithTheSitesChoices()
{
    QTemporaryDir site;
    writeStoreFile(site.path(), "[General]\nOption1=False\nOption2=False\nOption3=True\nCheck1=1\n");
    const ScopedEnvironment dirs("XDG_CONFIG_DIRS", site.path().toLocal8Bit());
    auto fixture = startedProgram({ { "Check1", "0" } });
    PanelWindow &ui = fixture->program.form1().ui();
    QVERIFY(ui.Option3->isChecked());
    QVERIFY(!ui.Option1->isChecked());
    // The user's own choice stays in force over the site's.
    QCOMPARE(ui.Check1->checkState(), Qt::Unchecked);
    fixture.reset();

    // What the site changes reaches a user who has not chosen otherwise at the next start.
    writeStoreFile(site.path(), "[General]\nOption1=False\nOption2=True\nOption3=False\nCheck1=1\n");
    auto next = startedProgram({ { "Check1", "0" } });
    QVERIFY(next->program.form1().ui().Option2->isChecked());
    QCOMPARE(next->store.keys(), QStringList { "Check1" });
}

void TestSiteDefaults::lockedKeysAreTheSitesAlone_data()
{
    QTest::addColumn<QByteArray>("locks");
    QTest::addColumn<QString>("check4");
    QTest::addColumn<QString>("fontSize");
    QTest::newRow("nothing locked") << QByteArray() << "1"
                                    << "40";
    QTest::newRow("one key, other letters") << QByteArray("Locked%20Keys=check4\n") << "0"
                                            << "40";
    QTest::newRow("a list with blanks and an unknown name")
        << QByteArray("Locked%20Keys=Check4, FontSize ,No Such Key\n") << "0"
        << "90";
    // Locked without a site value: the program's own default.
    QTest::newRow("a key the site does not set") << QByteArray("Locked%20Keys=Check1\n") << "1"
                                                 << "40";
}

void TestSiteDefaults::lockedKeysAreTheSitesAlone()
{
    QFETCH(QByteArray, locks);
    QFETCH(QString, check4);
    QFETCH(QString, fontSize);
    QTemporaryDir folders;
    const QString sitePath = writeStoreFile(folders.filePath("site"), "[General]\nFontSize=90\nCheck4=0\n" + locks);
    const QString userPath = writeStoreFile(folders.filePath("user"), "[General]\nCheck4=1\nCheck1=1\n");
    SettingsStore store([](const QString &) {}, userPath, { sitePath });

    store.SaveSetting("FontSize", "40");
    QCOMPARE(store.GetSetting("Check4", 1), check4);
    QCOMPARE(store.GetSetting("FontSize", 150), fontSize);
    QCOMPARE(store.GetSetting("Check1", 0), locks.contains("Check1") ? QStringLiteral("0") : QStringLiteral("1"));
}

void TestSiteDefaults::lockedKeysHoldWhereverTheyAreUsed_data()
{
    QTest::addColumn<QByteArray>("site");
    QTest::addColumn<QString>("control");
    QTest::addColumn<bool>("disabled");
    QTest::addColumn<QString>("inForce");
    // The user's own choices dim red digits to 70% from 21:00 to 09:00, in Tokyo, at 40 pt,
    // in 24-hour time: each row's lock wins over them, also where the control is used anyway.
    const QByteArray level("Night%20Dim%20Level=50\nLocked%20Keys=Night Dim Level\n");
    QTest::newRow("level: its entry") << level << "Digits at 10% brightness" << true << "digits 128";
    QTest::newRow("level: an hours' entry") << level << "21:00 to 09:00" << false << "digits 128";
    QTest::newRow("level: Choose hours") << level << "Choose hours…" << false << "digits 128";
    QTest::newRow("level: its field") << level << "brightness field" << true << "digits 128";
    QTest::newRow("end: an hours' entry") << QByteArray("Night%20Dim%20To=06:00\nLocked%20Keys=Night Dim To\n")
                                          << "23:00 to 07:00" << true << "until 06:00";
    QTest::newRow("all night keys: Choose hours")
        << QByteArray("Locked%20Keys=Night Dim From,Night Dim To,Night Dim Level\n") << "Choose hours…" << true
        << "digits 255";
    QTest::newRow("all night keys: their submenu")
        << QByteArray("Locked%20Keys=Night Dim From,Night Dim To,Night Dim Level\n") << "Night dimming" << true
        << "digits 255";
    const QByteArray london("Time%20Zone%20Name=Europe/London\n");
    QTest::newRow("Combo1") << london + "Locked%20Keys=Combo1\n"
                            << "zone list" << true << "London";
    QTest::newRow("zone name") << london + "Locked%20Keys=Time Zone Name\n"
                               << "zone list" << true << "London";
    QTest::newRow("size") << QByteArray("FontSize=20\nLocked%20Keys=FontSize\n") << "Reset font" << true << "20 pt";
    const QByteArray colour("Font%20Color=65280\nLocked%20Keys=Font Color\n");
    QTest::newRow("colour: its swatch") << colour << "swatch" << true << "swatch #00ff00";
    QTest::newRow("colour: Change colour") << colour << "Change colour" << false << "swatch #00ff00";
    QTest::newRow("Option1") << QByteArray("Option1=True\nLocked%20Keys=Option1\n") << "format" << true
                             << "12-hour time";
    // A way of changing a setting that is no control: the store refuses it all the same.
    QTest::newRow("hint: typed word") << QByteArray("Check1=0\nLocked%20Keys=Check1\n") << "typed word" << false
                                      << "hint shown";
    QTest::newRow("hint unlocked: typed word") << QByteArray("Check1=0\n") << "typed word" << false << "hint hidden";
}

void TestSiteDefaults::lockedKeysHoldWhereverTheyAreUsed()
{
    QFETCH(QByteArray, site);
    QFETCH(QString, control);
    QFETCH(bool, disabled);
    QFETCH(QString, inForce);
    QTemporaryDir siteFolder;
    writeStoreFile(siteFolder.path(), "[General]\n" + site);
    const ScopedEnvironment dirs("XDG_CONFIG_DIRS", siteFolder.path().toLocal8Bit());
    // 23:00 in London is 08:00 in Tokyo: both within the user's night hours.
    auto fixture = clockOpenedAt(QDateTime(QDate(2026, 1, 15), QTime(23, 0), Qt::UTC),
                                 { { "Night Dim From", "21:00" },
                                   { "Night Dim To", "09:00" },
                                   { "Night Dim Level", "70" },
                                   { "Font Color", "255" },
                                   { "Time Zone Name", "Asia/Tokyo" },
                                   { "Show Zone", "On" },
                                   { "FontSize", "40" },
                                   { "Option3", "True" } });
    QObject *used = controlNamed(*fixture, control);
    QVERIFY(used);
    QCOMPARE(SiteLocks::isLocked(*used), disabled);
    QCOMPARE(used->property("toolTip").toString() == "Set by your administrator", disabled);
    // A locked control of the panel: the panel says why, and the control's value stays readable.
    const PanelWindow &panel = fixture->program.form1().ui();
    if (const auto *widget = qobject_cast<QWidget *>(used); disabled && panel.isAncestorOf(widget)) {
        QVERIFY(panel.SiteLockNote && panel.height() == 460 + panel.SiteLockNote->height());
        const QPalette palette = widget->palette();
        QVERIFY(ReadableText::contrastRatio(palette.color(QPalette::Disabled, QPalette::WindowText),
                                            palette.color(QPalette::Disabled, QPalette::Window))
                >= ReadableText::leastContrast);
    }
    useAnyway(*used);
    QVERIFY2(valuesInForce(*fixture).contains(inForce), qPrintable(valuesInForce(*fixture)));
}

void TestSiteDefaults::everyChangePassesTheLock_data()
{
    QTest::addColumn<QByteArray>("locks");
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("changes");
    QTest::newRow("a key nothing names yet") << QByteArray("Locked%20Keys=Later Key\n") << "later KEY" << false;
    QTest::newRow("another key locked") << QByteArray("Locked%20Keys=Later Key\n") << "Check4" << true;
    QTest::newRow("a name written as the file writes keys")
        << QByteArray("Locked%20Keys=Later%20Key\n") << "Later Key" << false;
    QTest::newRow("part of a locked setting") << QByteArray("Locked%20Keys=Combo1\n") << "Time Zone Name" << false;
}

void TestSiteDefaults::everyChangePassesTheLock()
{
    QFETCH(QByteArray, locks);
    QFETCH(QString, key);
    QFETCH(bool, changes);
    QTemporaryDir folders;
    const QString sitePath = writeStoreFile(folders.filePath("site"), "[General]\n" + locks);
    SettingsStore store([](const QString &) {}, folders.filePath("user.ini"), { sitePath });
    bool changed = false;

    QCOMPARE(store.change(key, [&] { changed = true; }), changes);
    QCOMPARE(changed, changes);
    store.SaveSetting(key, "stored");
    QCOMPARE(store.GetSetting(key, "default") == "stored", changes);
}

// A screen reader user meets what the site locks: Tab reaches every locked control, which
// reads as unavailable with its role, name and value, looks disabled and takes no input; the
// panel says why, in its description and in a line that Tab reaches last.
void TestSiteDefaults::lockedControlsStayInReachAndReadAsUnavailable()
{
    QTemporaryDir siteFolder;
    writeStoreFile(siteFolder.path(),
                   "[General]\nCheck1=1\nOption3=True\nLocked%20Keys=Check1, Option3, FontSize, Combo1\n");
    const ScopedEnvironment dirs("XDG_CONFIG_DIRS", siteFolder.path().toLocal8Bit());
    ProgramFixture fixture;
    fixture.program.start();
    PanelWindow &panel = fixture.program.form1().ui();
    panel.show();
    panel.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&panel));
    QSet<QWidget *> visited;
    for (int tab = 0; tab < 40; ++tab) {
        visited.insert(QApplication::focusWidget());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    const QList<QWidget *> locked = { panel.Check1, panel.Option3, panel.PushButton2, panel.PushButton3, panel.Combo1 };
    for (QWidget *control : locked) {
        QVERIFY2(SiteLocks::isLocked(*control) || SiteLocks::isLocked(*control->parentWidget()),
                 qPrintable(control->objectName()));
        // Tab reaches one option of a group, the arrows the others.
        const bool reached = qobject_cast<QRadioButton *>(control)
            ? visited.contains(panel.Option1) || visited.contains(panel.Option2) || visited.contains(panel.Option3)
            : visited.contains(control);
        QVERIFY2(reached, control->metaObject()->className());
        const QAccessibleInterface *reading = QAccessible::queryAccessibleInterface(control);
        QVERIFY(reading->state().disabled);
        QVERIFY(!reading->text(QAccessible::Name).isEmpty());
        QCOMPARE(reading->text(QAccessible::Description), QStringLiteral("Set by your administrator"));
        QCOMPARE(control->palette().color(QPalette::Active, control->foregroundRole()),
                 control->palette().color(QPalette::Disabled, control->foregroundRole()));
    }
    QCOMPARE(QAccessible::queryAccessibleInterface(panel.Check1)->role(), QAccessible::CheckBox);
    QVERIFY(QAccessible::queryAccessibleInterface(panel.Check1)->state().checked);
    QCOMPARE(QAccessible::queryAccessibleInterface(panel.Option3)->role(), QAccessible::RadioButton);
    QCOMPARE(QAccessible::queryAccessibleInterface(panel.PushButton3)->role(), QAccessible::Button);
    QCOMPARE(QAccessible::queryAccessibleInterface(panel.PushButton3)->text(QAccessible::Name),
             panel.PushButton3->text().remove(u'&'));
    QCOMPARE(QAccessible::queryAccessibleInterface(panel.Combo1)->role(), QAccessible::ComboBox);
    // A locked push button's text is dimmed as a disabled one's, and still readable.
    QVERIFY(panel.PushButton3->palette().color(QPalette::Active, QPalette::ButtonText)
            != panel.PushButton4->palette().color(QPalette::Active, QPalette::ButtonText));
    QVERIFY(ReadableText::contrastRatio(panel.PushButton3->palette().color(QPalette::Active, QPalette::ButtonText),
                                        panel.PushButton3->palette().color(QPalette::Active, QPalette::Button))
            >= ReadableText::leastContrast);
    // Neither a click nor a key changes a locked control.
    QTest::mouseClick(panel.Check1, Qt::LeftButton);
    panel.Check1->setFocus();
    QTest::keyClick(panel.Check1, Qt::Key_Space);
    QVERIFY(panel.Check1->isChecked());
    // The arrows move among a locked group's options without choosing one.
    panel.Option1->setFocus();
    for (int i = 0; i < 2 && QApplication::focusWidget() != panel.Option3; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QCOMPARE(QApplication::focusWidget(), panel.Option3);
    QTest::keyClick(panel.Option3, Qt::Key_Up);
    QTest::mouseClick(panel.Option1, Qt::LeftButton);
    QVERIFY(panel.Option3->isChecked());
    QCOMPARE(fixture.store.value("Check1"), QString());
    QCOMPARE(fixture.store.value("Option1"), QString());
    // The panel says why.
    QVERIFY(panel.SiteLockNote && visited.contains(panel.SiteLockNote));
    QCOMPARE(QAccessible::queryAccessibleInterface(&panel)->text(QAccessible::Description),
             QStringLiteral("Some settings are set by your administrator"));
}

QTEST_MAIN(TestSiteDefaults)
#include "tst_sitedefaults.moc"

#include "clock/Form2.h"
#include "panel/Form1.h"
#include "panel/PanelWindow.h"
#include "settings/AutostartEntry.h"
#include "settings/DesktopExec.h"
#include "support/DesktopExecReader.h"
#include "support/ProgramFixture.h"
#include "support/TestFiles.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTest>

#include <memory>

namespace {

std::unique_ptr<ProgramFixture> startedFrom(const QString &executablePath, const StoredValues &stored = {})
{
    auto fixture = std::make_unique<ProgramFixture>();
    fixture->store.seed(stored);
    fixture->program.setExecutablePath(executablePath);
    fixture->program.start();
    return fixture;
}

QString autostartFolder(const ProgramFixture &fixture)
{
    return QDir(fixture.store.configFolder()).filePath(QStringLiteral("autostart"));
}

QString execValueOf(const QByteArray &entry)
{
    const QRegularExpressionMatch match
        = QRegularExpression(QStringLiteral("^Exec=(.*)$"), QRegularExpression::MultilineOption)
              .match(QString::fromUtf8(entry));
    return match.captured(1);
}

}

class TestStartupBox : public QObject {
    Q_OBJECT

private slots:
    void tickingWritesAnEntryForTheRunningProgram();
    void tickingWritesTheEntryText();
    void untickingRemovesTheEntryAndHidesCheck8();
    void unwritableAutostartFolderGivesOneMessageAndStoresOn();
    void pathWithALineBreakIsRefusedAndOnIsStored();
    void restoringTheBoxAtLoadTouchesNoFile_data();
    void restoringTheBoxAtLoadTouchesNoFile();
};

void TestStartupBox::tickingWritesAnEntryForTheRunningProgram()
{
    auto fixture = startedProgram();
    const QString self = QCoreApplication::applicationFilePath();
    // Another executable in the program's folder must not be taken for the program.
    TestFiles::write(fixture->programFile(QStringLiteral("aaa-other")), "#!/bin/sh\n");
    QFile::setPermissions(fixture->programFile(QStringLiteral("aaa-other")), QFile::ExeOwner | QFile::ReadOwner);

    fixture->program.form1().ui().Check3->click();
    QCOMPARE(fixture->platform.messageTexts(), QStringList());
    QCOMPARE(fixture->store.value("Windows Startup"), QStringLiteral("On"));
    const QString entryFile = QDir(autostartFolder(*fixture)).filePath(QStringLiteral("tst_startupbox.desktop"));
    const std::optional<QStringList> command = DesktopExec::parseExecValue(execValueOf(TestFiles::read(entryFile)));
    QVERIFY(command.has_value());
    QCOMPARE(*command, QStringList { self });
    QCOMPARE(QDir(autostartFolder(*fixture)).entryList(QDir::Files), QStringList { "tst_startupbox.desktop" });
}

void TestStartupBox::tickingWritesTheEntryText()
{
    auto fixture = startedFrom(QStringLiteral("/opt/Wall \"Clock\" 100%/$HOME\\`x`/lumetra"));
    fixture->program.form1().ui().Check3->click();
    QCOMPARE(fixture->platform.messageTexts(), QStringList());
    QCOMPARE(TestFiles::read(QDir(autostartFolder(*fixture)).filePath(QStringLiteral("lumetra.desktop"))),
             QByteArray("[Desktop Entry]\n"
                        "Type=Application\n"
                        "Version=1.0\n"
                        "Name=Lumetra Wall Time Display\n"
                        "Exec=\"/opt/Wall \\\\\"Clock\\\\\" 100%%/\\\\$HOME\\\\\\\\\\\\`x\\\\`/lumetra\"\n"));
}

void TestStartupBox::untickingRemovesTheEntryAndHidesCheck8()
{
    const QString path = QStringLiteral("/opt/my app/lumetra");
    auto fixture = startedFrom(path, { { "Windows Startup", "On" }, { "Minimized", "On" } });
    PanelWindow &ui = fixture->program.form1().ui();
    QVERIFY(QDir().mkpath(autostartFolder(*fixture)));
    TestFiles::write(AutostartEntry::filePathFor(path), AutostartEntry::text(path).toUtf8());
    ui.Check8->show();

    ui.Check3->click();
    QVERIFY(!QFileInfo::exists(AutostartEntry::filePathFor(path)));
    QCOMPARE(ui.Check8->checkState(), Qt::Unchecked);
    QVERIFY(ui.Check8->isHidden());
    QCOMPARE(fixture->store.value("Minimized"), QStringLiteral("Off"));
    QCOMPARE(fixture->store.value("Windows Startup"), QStringLiteral("Off"));
    QCOMPARE(fixture->platform.messageTexts(), QStringList());
}

void TestStartupBox::unwritableAutostartFolderGivesOneMessageAndStoresOn()
{
    // Permissions do not stop root, so a file stands where the folder belongs.
    const QString path = QStringLiteral("/opt/lumetra");
    auto fixture = startedFrom(path);
    TestFiles::write(autostartFolder(*fixture), "in the way");
    PanelWindow &ui = fixture->program.form1().ui();

    ui.Check3->click();
    QCOMPARE(fixture->platform.messages.size(), 1);
    QVERIFY2(fixture->platform.messages[0].text.contains(AutostartEntry::filePathFor(path)),
             qPrintable(fixture->platform.messages[0].text));
    QCOMPARE(ui.Check3->checkState(), Qt::Checked);
    QCOMPARE(fixture->store.value("Windows Startup"), QStringLiteral("On"));
}

void TestStartupBox::pathWithALineBreakIsRefusedAndOnIsStored()
{
    auto fixture = startedFrom(QStringLiteral("/opt/evil\nExec=/bin/sh/lumetra"));
    fixture->program.form1().ui().Check3->click();
    QCOMPARE(fixture->platform.messages.size(), 1);
    QVERIFY2(fixture->platform.messages[0].text.contains(QStringLiteral("line break")),
             qPrintable(fixture->platform.messages[0].text));
    QCOMPARE(fixture->store.value("Windows Startup"), QStringLiteral("On"));
    QVERIFY(!QFileInfo::exists(autostartFolder(*fixture)));
}

void TestStartupBox::restoringTheBoxAtLoadTouchesNoFile_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("entryBefore");
    QTest::newRow("On without an entry writes none") << "On" << false;
    QTest::newRow("On with an entry leaves it as it is") << "On" << true;
    // The entry starts the program at log-in: the box says so.
    QTest::newRow("Off with an entry keeps it, ticked") << "Off" << true;
}

void TestStartupBox::restoringTheBoxAtLoadTouchesNoFile()
{
    QFETCH(QString, stored);
    QFETCH(bool, entryBefore);
    const QString path = QStringLiteral("/opt/lumetra");
    const QByteArray oldEntry = "[Desktop Entry]\nType=Application\nName=old\nExec=/old/lumetra\n";
    auto fixture = std::make_unique<ProgramFixture>();
    fixture->store.seed({ { "Windows Startup", stored } });
    fixture->program.setExecutablePath(path);
    if (entryBefore) {
        QVERIFY(QDir().mkpath(autostartFolder(*fixture)));
        TestFiles::write(AutostartEntry::filePathFor(path), oldEntry);
    }

    fixture->program.start();
    const bool startsAtLogIn = stored == "On" || entryBefore;
    QCOMPARE(fixture->program.form1().ui().Check3->isChecked(), startsAtLogIn);
    // A program started at log-in goes straight to the clock.
    QCOMPARE(fixture->program.form2().isLoaded(), startsAtLogIn);
    QCOMPARE(fixture->store.value("Windows Startup"), stored);
    QCOMPARE(fixture->platform.messageTexts(), QStringList());
    if (entryBefore)
        QCOMPARE(TestFiles::read(AutostartEntry::filePathFor(path)), oldEntry);
    else
        QVERIFY(!QFileInfo::exists(autostartFolder(*fixture)));
}

QTEST_MAIN(TestStartupBox)
#include "tst_startupbox.moc"

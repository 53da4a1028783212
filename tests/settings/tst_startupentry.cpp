#include "base/ProductInfo.h"
#include "settings/AutostartEntry.h"
#include "settings/DesktopExec.h"
#include "settings/RegStuff.h"
#include "settings/mStartUp.h"
#include "support/DesktopExecReader.h"
#include "support/FakePlatform.h"
#include "support/ScopedEnvironment.h"
#include "support/TestFiles.h"
#include "support/TestStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString autostartFolder(const TestStore &store)
{
    return QDir(store.configFolder()).filePath(QStringLiteral("autostart"));
}

// The entry's keys, after checking that it is a single [Desktop Entry] group of
// "Key=value" lines.
QMap<QString, QString> desktopEntryKeys(const QByteArray &bytes)
{
    QStringList lines = QString::fromUtf8(bytes).split(QLatin1Char('\n'));
    QMap<QString, QString> keys;
    if (lines.isEmpty() || lines.takeFirst() != QStringLiteral("[Desktop Entry]") || lines.takeLast() != QString())
        return keys;
    for (const QString &line : lines) {
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals <= 0 || keys.contains(line.left(equals)))
            return {};
        keys.insert(line.left(equals), line.mid(equals + 1));
    }
    return keys;
}

}

class TestStartupEntry : public QObject {
    Q_OBJECT

private slots:
    void entryLivesInTheAutostartFolderUnderTheExecutableName();
    void entryTextIsExact();
    void enablingWritesAnEntryThatRunsExactlyThatFile_data();
    void enablingWritesAnEntryThatRunsExactlyThatFile();
    void enablingReplacesAnOlderEntry();
    void unusablePathsAreRefusedWithOneMessage_data();
    void unusablePathsAreRefusedWithOneMessage();
    void unwritableAutostartFolderGivesOneMessage();
    void entryPathTakenByAFolderGivesOneMessage();
    void disablingRemovesTheEntryOnly();
    void disablingWithoutAnEntryIsHarmless_data();
    void disablingWithoutAnEntryIsHarmless();
    void failedRemovalGivesOneMessage();
    void disablingAnUnknownExecutableDeletesNothing();
    void aSitesEntryIsHiddenByUnticking_data();
    void aSitesEntryIsHiddenByUnticking();
};

void TestStartupEntry::entryLivesInTheAutostartFolderUnderTheExecutableName()
{
    TestStore store;
    QCOMPARE(AutostartEntry::filePathFor(QStringLiteral("/opt/my app/lumetra-bin")),
             autostartFolder(store) + QStringLiteral("/lumetra-bin.desktop"));
}

void TestStartupEntry::entryTextIsExact()
{
    QCOMPARE(AutostartEntry::text(QStringLiteral("/opt/Lumetra Apps/lumetra$1")),
             QStringLiteral("[Desktop Entry]\n"
                            "Type=Application\n"
                            "Version=1.0\n"
                            "Name=Lumetra Wall Time Display\n"
                            "Exec=\"/opt/Lumetra Apps/lumetra\\\\$1\"\n"));
}

void TestStartupEntry::enablingWritesAnEntryThatRunsExactlyThatFile_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("plain") << "/usr/bin/lumetra";
    QTest::newRow("spaces") << "/home/ann/My Programs/lumetra";
    QTest::newRow("quotes") << "/opt/\"it's\"/lumetra";
    QTest::newRow("percent") << "/opt/100%f/lumetra";
    QTest::newRow("dollar and backquotes") << "/opt/$HOME/`id`/lumetra";
    QTest::newRow("backslashes") << "/opt/a\\b\\\\c/lumetra";
    QTest::newRow("everything at once") << "/opt/ \"'\\$`%;&|<>~*?#()/lume tra";
    QTest::newRow("non-ASCII") << QString::fromUtf8("/home/j\u00fcrgen/\u6642\u8a08");
}

void TestStartupEntry::enablingWritesAnEntryThatRunsExactlyThatFile()
{
    QFETCH(QString, path);
    TestStore store;
    FakePlatform platform;
    EnableStartup(platform, path);
    QCOMPARE(platform.messageTexts(), QStringList());

    const QString entryFile = AutostartEntry::filePathFor(path);
    const QMap<QString, QString> keys = desktopEntryKeys(TestFiles::read(entryFile));
    QCOMPARE(keys.value("Type"), QStringLiteral("Application"));
    QCOMPARE(keys.value("Name"), QStringLiteral("Lumetra Wall Time Display"));
    QString error;
    const std::optional<QStringList> command = DesktopExec::parseExecValue(keys.value("Exec"), &error);
    QVERIFY2(command.has_value(), qPrintable(error));
    QCOMPARE(*command, QStringList { path });
    // Written in one step: no temporary file is left beside the entry.
    QCOMPARE(QDir(autostartFolder(store)).entryList(QDir::Files | QDir::Hidden),
             QStringList { QFileInfo(entryFile).fileName() });
}

void TestStartupEntry::enablingReplacesAnOlderEntry()
{
    TestStore store;
    FakePlatform platform;
    const QString path = QStringLiteral("/opt/new place/lumetra");
    QVERIFY(QDir().mkpath(autostartFolder(store)));
    TestFiles::write(AutostartEntry::filePathFor(path), "[Desktop Entry]\nType=Application\nExec=/old/lumetra --old\n");
    EnableStartup(platform, path);
    QCOMPARE(platform.messageTexts(), QStringList());
    QCOMPARE(TestFiles::read(AutostartEntry::filePathFor(path)), AutostartEntry::text(path).toUtf8());
}

void TestStartupEntry::unusablePathsAreRefusedWithOneMessage_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("reason");
    QTest::newRow("line break") << "/opt/a\nb/lumetra"
                                << "\"/opt/a\\nb/lumetra\" contains a line break";
    QTest::newRow("line break ending the name") << "/opt/lumetra\n"
                                                << "\"/opt/lumetra\\n\" contains a line break";
    QTest::newRow("carriage return") << "/opt/a\rb/lumetra"
                                     << "\"/opt/a\\x0db/lumetra\" contains a line break or another control character";
    QTest::newRow("escape character") << "/opt/a\x1b[0m/lumetra"
                                      << "\"/opt/a\\x1b[0m/lumetra\" contains";
    QTest::newRow("delete character") << "/opt/a\x7f/lumetra"
                                      << "\"/opt/a\\x7f/lumetra\" contains";
    QTest::newRow("unknown") << ""
                             << "own file is not known";
    QTest::newRow("relative") << "bin/lumetra"
                              << "\"bin/lumetra\" is not a full path";
}

void TestStartupEntry::unusablePathsAreRefusedWithOneMessage()
{
    QFETCH(QString, path);
    QFETCH(QString, reason);
    TestStore store;
    FakePlatform platform;
    EnableStartup(platform, path);
    QCOMPARE(platform.messages.size(), 1);
    QVERIFY2(platform.messages[0].text.contains(reason), qPrintable(platform.messages[0].text));
    QVERIFY(platform.messages[0].text.contains(QStringLiteral("log-in")));
    QVERIFY(!platform.messages[0].text.contains(QLatin1Char('\n')));
    QCOMPARE(platform.messages[0].title, ProductInfo::productName);
    QCOMPARE(platform.messages[0].icon, PlatformServices::MessageIcon::Warning);
    QVERIFY(!QFileInfo::exists(autostartFolder(store)));
}

void TestStartupEntry::unwritableAutostartFolderGivesOneMessage()
{
    // A file where the folder belongs stops every user, root included.
    TestStore store;
    FakePlatform platform;
    TestFiles::write(autostartFolder(store), "not a folder");
    const QString path = QStringLiteral("/opt/lumetra");
    EnableStartup(platform, path);
    QCOMPARE(platform.messages.size(), 1);
    const QString text = platform.messages[0].text;
    QVERIFY2(text.contains(QStringLiteral("\"%1\"").arg(AutostartEntry::filePathFor(path))), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("could not be written")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("\"%1\" could not be made: ").arg(autostartFolder(store))), qPrintable(text));
    QCOMPARE(TestFiles::read(autostartFolder(store)), QByteArray("not a folder"));
}

void TestStartupEntry::entryPathTakenByAFolderGivesOneMessage()
{
    TestStore store;
    FakePlatform platform;
    const QString path = QStringLiteral("/opt/lumetra");
    QVERIFY(QDir().mkpath(AutostartEntry::filePathFor(path)));
    EnableStartup(platform, path);
    QCOMPARE(platform.messages.size(), 1);
    const QString text = platform.messages[0].text;
    QVERIFY2(text.contains(QStringLiteral("\"%1\" could not be written (").arg(AutostartEntry::filePathFor(path))),
             qPrintable(text));
    QVERIFY2(!text.contains(QStringLiteral("()")), qPrintable(text));
}

void TestStartupEntry::disablingRemovesTheEntryOnly()
{
    TestStore store;
    FakePlatform platform;
    const QString path = QStringLiteral("/opt/my app/lumetra");
    const QString otherEntry = QDir(autostartFolder(store)).filePath(QStringLiteral("other.desktop"));
    EnableStartup(platform, path);
    TestFiles::write(otherEntry, "[Desktop Entry]\n");
    QVERIFY(QFileInfo::exists(AutostartEntry::filePathFor(path)));

    DisableStartup(platform, path);
    QCOMPARE(platform.messageTexts(), QStringList());
    QVERIFY(!QFileInfo::exists(AutostartEntry::filePathFor(path)));
    QVERIFY(QFileInfo::exists(otherEntry));
}

void TestStartupEntry::disablingWithoutAnEntryIsHarmless_data()
{
    QTest::addColumn<QString>("setting");
    QTest::newRow("no autostart folder") << "none";
    QTest::newRow("empty autostart folder") << "empty";
    QTest::newRow("a file in place of the folder") << "file";
    QTest::newRow("a dangling link as the entry") << "dangling link";
}

void TestStartupEntry::disablingWithoutAnEntryIsHarmless()
{
    QFETCH(QString, setting);
    TestStore store;
    FakePlatform platform;
    const QString path = QStringLiteral("/opt/lumetra");
    const QString folder = autostartFolder(store);
    if (setting == "empty" || setting == "dangling link")
        QVERIFY(QDir().mkpath(folder));
    if (setting == "file")
        TestFiles::write(folder, "x");
    if (setting == "dangling link")
        QVERIFY(QFile::link(QDir(store.configFolder()).filePath("gone"), AutostartEntry::filePathFor(path)));

    DisableStartup(platform, path);
    QCOMPARE(platform.messageTexts(), QStringList());
    QVERIFY(!QFileInfo(AutostartEntry::filePathFor(path)).isSymLink());
    QCOMPARE(QFileInfo::exists(folder), setting != "none");
}

void TestStartupEntry::failedRemovalGivesOneMessage()
{
    TestStore store;
    FakePlatform platform;
    const QString path = QStringLiteral("/opt/lumetra");
    const QString entryFile = AutostartEntry::filePathFor(path);
    QVERIFY(QDir().mkpath(entryFile));
    DisableStartup(platform, path);
    QCOMPARE(platform.messages.size(), 1);
    const QString text = platform.messages[0].text;
    QVERIFY2(text.contains(QStringLiteral("\"%1\" could not be removed (").arg(entryFile)), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("directory"), Qt::CaseInsensitive), qPrintable(text));
    QVERIFY(QFileInfo(entryFile).isDir());
}

void TestStartupEntry::disablingAnUnknownExecutableDeletesNothing()
{
    // The entry of an unknown executable would be named ".desktop": that file is not ours.
    TestStore store;
    FakePlatform platform;
    const QString stranger = QDir(autostartFolder(store)).filePath(QStringLiteral(".desktop"));
    QVERIFY(QDir().mkpath(autostartFolder(store)));
    TestFiles::write(stranger, "[Desktop Entry]\n");
    DisableStartup(platform, QString());
    QCOMPARE(platform.messageTexts(), QStringList());
    QVERIFY(QFileInfo::exists(stranger));
}

void TestStartupEntry::aSitesEntryIsHiddenByUnticking_data()
{
    QTest::addColumn<bool>("siteEntry");
    QTest::addColumn<QStringList>("ticks");
    QTest::addColumn<bool>("startsAtLogIn");
    QTest::addColumn<QString>("hidden");
    QTest::newRow("the site's entry alone") << true << QStringList() << true << QString();
    QTest::newRow("the site's entry, unticked") << true << QStringList { "off" } << false << "true";
    QTest::newRow("the site's entry, unticked and ticked again")
        << true << QStringList { "off", "on" } << true << QString();
    QTest::newRow("no site's entry, unticked") << false << QStringList { "on", "off" } << false << QString();
}

void TestStartupEntry::aSitesEntryIsHiddenByUnticking()
{
    QFETCH(bool, siteEntry);
    QFETCH(QStringList, ticks);
    QFETCH(bool, startsAtLogIn);
    QFETCH(QString, hidden);
    TestStore store;
    QTemporaryDir site;
    const ScopedEnvironment dirs("XDG_CONFIG_DIRS", QFile::encodeName(site.path()));
    const QString path = QStringLiteral("/usr/bin/lumetra");
    if (siteEntry)
        TestFiles::write(site.filePath("autostart/lumetra.desktop"), AutostartEntry::text(path).toUtf8());
    FakePlatform platform;
    for (const QString &tick : ticks)
        (tick == "on" ? EnableStartup : DisableStartup)(platform, path);

    QCOMPARE(platform.messageTexts(), QStringList());
    QCOMPARE(AutostartEntry::startsAtLogIn(path), startsAtLogIn);
    QCOMPARE(desktopEntryKeys(TestFiles::read(AutostartEntry::filePathFor(path))).value("Hidden"), hidden);
}

QTEST_GUILESS_MAIN(TestStartupEntry)
#include "tst_startupentry.moc"

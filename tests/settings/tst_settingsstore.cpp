#include "settings/IniCheck.h"
#include "settings/SettingsStore.h"
#include "support/TestFiles.h"
#include "support/TestStore.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <sys/stat.h>
#include <vector>

namespace {

struct RecordingStore {
    QStringList problems;
    SettingsStore store { [this](const QString &message) { problems.append(message); } };
};

}

class TestSettingsStore : public QObject {
    Q_OBJECT

private slots:
    void storeFileLocation();
    void missingKeyGivesDefault();
    void keysIgnoreLetterCaseAndKeepFirstLetters_data();
    void keysIgnoreLetterCaseAndKeepFirstLetters();
    void everyWriteReachesTheFileAtOnce();
    void writeReplacesTheFileInsteadOfWritingIntoIt();
    void readsWhatAnotherCopyWroteMeanwhile();
    void unreadableFileIsSetAsideAndReported_data();
    void unreadableFileIsSetAsideAndReported();
    void secondUnparseableFileGetsItsOwnName();
    void invalidUtf8IsReplacedAndOtherValuesKept();
    void unwritableStoreIsReportedOnceAndKeepsValues();
    void writeWaitsForALockABoundedTime_data();
    void writeWaitsForALockABoundedTime();
    void iniFileReadsOnlyWhenEveryLineDoes_data();
    void iniFileReadsOnlyWhenEveryLineDoes();
};

void TestSettingsStore::storeFileLocation()
{
    TestStore test;
    QCOMPARE(SettingsStore::defaultFilePath(),
             test.configFolder() + QStringLiteral("/Orvanta/Lumetra Wall Time Display.ini"));
}

void TestSettingsStore::missingKeyGivesDefault()
{
    TestStore test;
    RecordingStore recording;
    QCOMPARE(recording.store.GetSetting("Check4", 1), QStringLiteral("1"));
    QCOMPARE(recording.store.GetSetting("FontName", "Arial"), QStringLiteral("Arial"));
    QVERIFY(!QFile::exists(test.filePath()));
    QVERIFY(recording.problems.isEmpty());
}

void TestSettingsStore::keysIgnoreLetterCaseAndKeepFirstLetters_data()
{
    QTest::addColumn<QString>("firstKey");
    QTest::addColumn<QString>("secondKey");
    QTest::newRow("strikethrough") << "FontStrikeThru"
                                   << "FontStrikethru";
    QTest::newRow("underline") << "FontUnderline"
                               << "FontUnderLine";
    QTest::newRow("with a blank") << "Font Color"
                                  << "FONT COLOR";
}

void TestSettingsStore::keysIgnoreLetterCaseAndKeepFirstLetters()
{
    QFETCH(QString, firstKey);
    QFETCH(QString, secondKey);
    TestStore test;
    RecordingStore recording;
    recording.store.SaveSetting(firstKey, "False");
    recording.store.SaveSetting(secondKey, "True");
    QCOMPARE(recording.store.GetSetting(firstKey, "x"), QStringLiteral("True"));
    QCOMPARE(recording.store.GetSetting(secondKey.toLower(), "x"), QStringLiteral("True"));
    QCOMPARE(test.keys(), QStringList { firstKey });
    QCOMPARE(test.value(firstKey), QStringLiteral("True"));
}

void TestSettingsStore::everyWriteReachesTheFileAtOnce()
{
    TestStore test;
    RecordingStore recording;
    recording.store.SaveSetting("Check1", "1");
    QFile file(test.filePath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("[General]\nCheck1=1\n"));
}

void TestSettingsStore::writeReplacesTheFileInsteadOfWritingIntoIt()
{
    TestStore test;
    RecordingStore recording;
    recording.store.SaveSetting("Check1", "1");
    const quint64 before = TestFiles::inodeOf(test.filePath());
    recording.store.SaveSetting("Check1", "0");
    // A new file renamed over the old one: a crash mid-write leaves the old file whole.
    QVERIFY(TestFiles::inodeOf(test.filePath()) != before);
    QCOMPARE(test.value("Check1"), QStringLiteral("0"));
    const QStringList leftovers = QDir(QFileInfo(test.filePath()).path()).entryList(QDir::Files);
    QCOMPARE(leftovers, QStringList { QStringLiteral("Lumetra Wall Time Display.ini") });
}

void TestSettingsStore::readsWhatAnotherCopyWroteMeanwhile()
{
    TestStore test;
    RecordingStore first;
    first.store.SaveSetting("Check1", "0");
    QProcess other;
    other.start(QStringLiteral(SETTINGS_WRITER), { "Check", "2" });
    QVERIFY(other.waitForFinished());
    QCOMPARE(other.exitCode(), 0);
    QCOMPARE(first.store.GetSetting("Check1", "x"), QStringLiteral("1"));
}

void TestSettingsStore::unreadableFileIsSetAsideAndReported_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("unclosed section and a line without a value") << QByteArray("[General\nCheck1=1\ngarbage line\n");
    // Qt's reader drops the line with a quote in its key and says so only when asked.
    QTest::newRow("a key Qt reads only in part") << QByteArray("[General]\nCheck1=1\nx\"y=2\n");
    // A null content stands for a FIFO, which Qt's reader would wait on.
    QTest::newRow("a FIFO") << QByteArray();
}

void TestSettingsStore::unreadableFileIsSetAsideAndReported()
{
    QFETCH(QByteArray, content);
    TestStore test;
    TestFiles::write(test.filePath(), content);
    if (content.isNull())
        QVERIFY(QFile::remove(test.filePath()) && ::mkfifo(QFile::encodeName(test.filePath()).constData(), 0600) == 0);
    RecordingStore recording;
    QCOMPARE(recording.problems.size(), 1);
    QVERIFY(recording.problems.first().contains(test.filePath() + ".unreadable"));
    QVERIFY(content.isNull() || TestFiles::read(test.filePath() + ".unreadable") == content);
    QCOMPARE(recording.store.GetSetting("Check1", 0), QStringLiteral("0"));
    // The next write works and is not reported as failed.
    recording.store.SaveSetting("Check1", "0");
    QCOMPARE(recording.problems.size(), 1);
    QCOMPARE(TestFiles::read(test.filePath()), QByteArray("[General]\nCheck1=0\n"));
}

void TestSettingsStore::secondUnparseableFileGetsItsOwnName()
{
    TestStore test;
    TestFiles::write(test.filePath() + ".unreadable", "older");
    TestFiles::write(test.filePath(), "[General]\nno equals sign\n");
    RecordingStore recording;
    QCOMPARE(recording.problems.size(), 1);
    QVERIFY(QFile::exists(test.filePath() + ".unreadable.2"));
    QFile older(test.filePath() + ".unreadable");
    QVERIFY(older.open(QIODevice::ReadOnly));
    QCOMPARE(older.readAll(), QByteArray("older"));
}

void TestSettingsStore::invalidUtf8IsReplacedAndOtherValuesKept()
{
    TestStore test;
    const QByteArray original("[General]\nCheck1=1\nFontName=Ar\xff\xc3ial\nOption2=True\n");
    TestFiles::write(test.filePath(), original);
    {
        RecordingStore recording;
        QCOMPARE(recording.problems.size(), 1);
        QVERIFY(recording.problems.first().contains(test.filePath() + ".unreadable"));
        QCOMPARE(recording.store.GetSetting("Check1", 0), QStringLiteral("1"));
        QCOMPARE(recording.store.GetSetting("Option2", "False"), QStringLiteral("True"));
        QCOMPARE(recording.store.GetSetting("FontName", "x"), QStringLiteral("Ar\uFFFD\uFFFDial"));
    }
    QCOMPARE(TestFiles::read(test.filePath() + ".unreadable"), original);
    QCOMPARE(TestFiles::read(test.filePath()),
             QByteArray("[General]\nCheck1=1\nFontName=Ar\xef\xbf\xbd\xef\xbf\xbdial\nOption2=True\n"));
    // The repaired file reads without a further report or copy.
    RecordingStore again;
    QVERIFY(again.problems.isEmpty());
    QVERIFY(!QFile::exists(test.filePath() + ".unreadable.2"));
}

void TestSettingsStore::unwritableStoreIsReportedOnceAndKeepsValues()
{
    TestStore test;
    // A file where the store's folder should be: no write can succeed, even as root.
    const QString folder = QFileInfo(test.filePath()).path();
    TestFiles::write(folder, "in the way");
    RecordingStore recording;
    recording.store.SaveSetting("Check1", "1");
    recording.store.SaveSetting("Option2", "True");
    QCOMPARE(recording.problems.size(), 1);
    QVERIFY(recording.problems.first().contains(test.filePath()));
    QCOMPARE(recording.store.GetSetting("check1", 0), QStringLiteral("1"));
    QCOMPARE(recording.store.GetSetting("Option2", "False"), QStringLiteral("True"));

    // Once the folder can be made again, the next write saves everything kept.
    QVERIFY(QFile::remove(folder));
    recording.store.SaveSetting("Check4", "0");
    QFile file(test.filePath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("[General]\nCheck1=1\nCheck4=0\nOption2=True\n"));

    // A later failure is reported again.
    QVERIFY(QDir(folder).removeRecursively());
    TestFiles::write(folder, "in the way");
    recording.store.SaveSetting("Check4", "1");
    QCOMPARE(recording.problems.size(), 2);
}

void TestSettingsStore::writeWaitsForALockABoundedTime_data()
{
    // The lock file a write meets (null: a folder) and whether the write goes through. An
    // empty lock (a writer killed before filling it) goes once a second old; a lock with this
    // process's number and name is a live writer's.
    QTest::addColumn<QByteArray>("lock");
    QTest::addColumn<bool>("saved");
    const QByteArray own = QByteArray::number(QCoreApplication::applicationPid()) + '\n'
        + QCoreApplication::applicationName().toUtf8() + "\n\n";
    QTest::newRow("empty") << QByteArray("") << true;
    QTest::newRow("of an ended process") << QByteArray("2147483646\nx\n\n") << true;
    QTest::newRow("of a live process") << own << false;
    QTest::newRow("a folder") << QByteArray() << false;
}

void TestSettingsStore::writeWaitsForALockABoundedTime()
{
    QFETCH(QByteArray, lock);
    QFETCH(bool, saved);
    TestStore test;
    const QString lockPath = test.filePath() + ".lock";
    TestFiles::write(lockPath, lock);
    QVERIFY(!lock.isNull() || (QFile::remove(lockPath) && QDir().mkpath(lockPath)));
    RecordingStore recording;
    QElapsedTimer timer;
    timer.start();
    recording.store.SaveSetting("Check1", "1");
    // What this catches is a wait without end; the bound leaves room for a busy machine.
    QCOMPARE_LT(timer.elapsed(), 15000);
    QCOMPARE(recording.problems.size(), saved ? 0 : 1);
    // Once the lock is gone, the next write saves the kept value with its own.
    QDir(lockPath).removeRecursively();
    QFile::remove(lockPath);
    recording.store.SaveSetting("Check4", "0");
    QCOMPARE(TestFiles::read(test.filePath()), QByteArray("[General]\nCheck1=1\nCheck4=0\n"));
}

void TestSettingsStore::iniFileReadsOnlyWhenEveryLineDoes_data()
{
    // A null content stands for a folder in the file's place.
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("readable");
    QTest::newRow("sections, values, comments, blanks") << QByteArray("; a\n[General]\n\n# b\nCheck1=1\r\n") << true;
    QTest::newRow("a NUL byte") << QByteArray("[General]\nCheck1=1\0\n", 20) << false;
    QTest::newRow("text that is not UTF-8") << QByteArray("[General]\nFontName=\xff\n") << false;
    QTest::newRow("an unclosed section") << QByteArray("[General\n") << false;
    QTest::newRow("a line without a value") << QByteArray("[General]\nCheck1\n") << false;
    QTest::newRow("a folder") << QByteArray() << false;
}

void TestSettingsStore::iniFileReadsOnlyWhenEveryLineDoes()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, readable);
    QTemporaryDir folder;
    const QString path = folder.filePath("store.ini");
    if (content.isNull())
        QVERIFY(QDir().mkdir(path));
    else
        TestFiles::write(path, content);
    QCOMPARE(isReadableIniFile(path), readable);
}

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"

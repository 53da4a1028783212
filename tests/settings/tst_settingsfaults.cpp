// The store under faults: writers killed in the middle of their writes, copies writing
// at once, a full disk. Each test prints its figures.
#include "settings/IniCheck.h"
#include "settings/SettingsStore.h"
#include "support/ScopedEnvironment.h"
#include "support/TestFiles.h"
#include "support/TestStore.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <linux/magic.h>
#include <memory>
#include <sched.h>
#include <sys/mount.h>
#include <sys/vfs.h>
#include <unistd.h>

namespace {

constexpr int keyCount = 16;
constexpr int writesPerRun = 1000;

QString cycleKey(int i)
{
    return QStringLiteral("K") + QString::number(i % keyCount);
}

QString runTag(int run)
{
    return QStringLiteral("r%1:").arg(run);
}

// The values a store must hold after the first `done` writes of a run on top of `before`.
QMap<QString, QString> afterWrites(const QMap<QString, QString> &before, int run, int done)
{
    QMap<QString, QString> values = before;
    for (int i = std::max(0, done - keyCount); i < done; ++i)
        values[cycleKey(i)] = runTag(run) + QString::number(i);
    return values;
}

QMap<QString, QString> storedValues(const QString &path)
{
    QSettings file(path, QSettings::IniFormat);
    QMap<QString, QString> values;
    for (const QString &key : file.childKeys())
        values.insert(key, file.value(key).toString());
    return values;
}

// How many writes of the run the stored values show done: the highest index of the run
// found under any key, plus one.
int writesShown(const QMap<QString, QString> &values, int run)
{
    int done = 0;
    for (const QString &value : values) {
        if (value.startsWith(runTag(run)))
            done = std::max(done, value.mid(runTag(run).size()).toInt() + 1);
    }
    return done;
}

QStringList leftoverFiles(const QString &path)
{
    QStringList names = QFileInfo(path).dir().entryList(QDir::Files | QDir::Hidden);
    names.removeAll(QFileInfo(path).fileName());
    return names;
}

// Removes the store's lock file when a killed writer left it empty, and says whether it did.
bool removeEmptyLock(const QString &storePath)
{
    const QFileInfo lock(storePath + QStringLiteral(".lock"));
    return lock.exists() && lock.size() == 0 && QFile::remove(lock.filePath());
}

void startWriter(QProcess &writer, const QStringList &arguments)
{
    writer.start(QStringLiteral(SETTINGS_WRITER), arguments);
    QVERIFY(writer.waitForStarted());
    // "writing": the store is open and the first write begins.
    while (!writer.canReadLine())
        QVERIFY2(writer.waitForReadyRead(30000), "the writer never started writing");
}

// A small tmpfs mounted in a mount namespace of this process's own, so nothing outside
// sees it and it disappears with the process.
class PrivateTmpfs {
public:
    explicit PrivateTmpfs(const QString &sizeOption)
    {
        if (::geteuid() != 0) {
            mProblem = QStringLiteral("not running as root");
            return;
        }
        if (::unshare(CLONE_NEWNS) != 0 || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
            mProblem = QStringLiteral("no mount namespace: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
            return;
        }
        const QByteArray options = sizeOption.toLatin1();
        if (::mount("tmpfs", QFile::encodeName(mFolder.path()).constData(), "tmpfs", 0, options.constData()) != 0) {
            mProblem
                = QStringLiteral("mounting a tmpfs was refused: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
            return;
        }
        mMounted = true;
    }

    ~PrivateTmpfs()
    {
        if (mMounted)
            ::umount2(QFile::encodeName(mFolder.path()).constData(), MNT_DETACH);
    }

    PrivateTmpfs(const PrivateTmpfs &) = delete;
    PrivateTmpfs &operator=(const PrivateTmpfs &) = delete;

    bool mounted() const { return mMounted; }
    QString problem() const { return mProblem; }
    QString path() const { return mFolder.path(); }

private:
    QTemporaryDir mFolder;
    QString mProblem;
    bool mMounted = false;
};

bool isWritableTmpfs(const QString &path)
{
    struct statfs fileSystem { };
    return ::statfs(QFile::encodeName(path).constData(), &fileSystem) == 0 && fileSystem.f_type == TMPFS_MAGIC
        && QFileInfo(path).isWritable();
}

// Where the writers' store goes: a tmpfs, so that thousands of synced writes do not wait for a
// disk. What the writers prove is that each write is whole or absent when one is killed and
// that writers at once lose nothing; a tmpfs shows that as a disk does (outliving a power cut
// is no part of it). /dev/shm where it is a tmpfs, else one of the test's own (root only),
// else the temporary folder on the disk.
class MemoryFolder {
public:
    MemoryFolder()
    {
        static const QString shared = QStringLiteral("/dev/shm");
        if (isWritableTmpfs(shared)) {
            mPath = shared;
            return;
        }
        mOwn = std::make_unique<PrivateTmpfs>(QStringLiteral("size=16m,mode=0700"));
        mPath = mOwn->path();
        if (!mOwn->mounted())
            qInfo("no tmpfs at hand (%s): the writers write to the disk", qPrintable(mOwn->problem()));
    }

    QString path() const { return mPath; }

private:
    std::unique_ptr<PrivateTmpfs> mOwn;
    QString mPath;
};

// Writes a file until the disk refuses more; returns the bytes written.
qint64 fillDisk(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (fd < 0)
        return -1;
    const QByteArray block(4096, 'x');
    qint64 total = 0;
    for (;;) {
        const ssize_t written = ::write(fd, block.constData(), static_cast<size_t>(block.size()));
        if (written <= 0)
            break;
        total += written;
    }
    ::close(fd);
    return total;
}

}

class TestSettingsFaults : public QObject {
    Q_OBJECT

private slots:
    void killedWritersLeaveEveryKeyOldOrNew();
    void copiesWritingAtOnceLoseNoKey();
    void fullDiskIsReportedOnceAndKeepsTheFile();
    void textNotRepairedForWantOfRoomIsSetAsideWhole_data();
    void textNotRepairedForWantOfRoomIsSetAsideWhole();
};

void TestSettingsFaults::killedWritersLeaveEveryKeyOldOrNew()
{
    const MemoryFolder memory;
    TestStore test(memory.path());
    QMap<QString, QString> expected;
    {
        SettingsStore seed([](const QString &message) { QFAIL(qPrintable(message)); });
        for (int k = 0; k < keyCount; ++k) {
            seed.SaveSetting(cycleKey(k), QStringLiteral("old"));
            expected.insert(cycleKey(k), QStringLiteral("old"));
        }
    }

    // One whole run sets the pace: kills land at random moments within its length.
    QElapsedTimer clock;
    QProcess calibration;
    startWriter(calibration, { "K", QString::number(writesPerRun), QString::number(keyCount), runTag(0) });
    clock.start();
    QVERIFY(calibration.waitForFinished(120000));
    const qint64 runMicroseconds = clock.nsecsElapsed() / 1000;
    QCOMPARE(calibration.exitCode(), 0);
    expected = afterWrites(expected, 0, writesPerRun);
    QCOMPARE(storedValues(test.filePath()), expected);

    constexpr int killsWanted = 50;
    constexpr int attemptsAllowed = 200;
    QRandomGenerator random(20260115);
    int kills = 0;
    int finishedFirst = 0;
    int emptyLocks = 0;
    qint64 writesDone = 0;
    int run = 1;
    for (; kills < killsWanted && run <= attemptsAllowed; ++run) {
        QProcess writer;
        startWriter(writer, { "K", QString::number(writesPerRun), QString::number(keyCount), runTag(run) });
        QThread::usleep(static_cast<unsigned long>(random.bounded(runMicroseconds)));
        ::kill(static_cast<pid_t>(writer.processId()), SIGKILL);
        QVERIFY(writer.waitForFinished(30000));
        const bool killed = writer.exitStatus() == QProcess::CrashExit;
        kills += killed ? 1 : 0;
        finishedFirst += killed ? 0 : 1;
        // A kill between the creation of the lock file and the writing of its owner into it
        // leaves it empty. Qt's lock takes an empty lock file for a live lock until it is 30 s
        // old, so the next writer would wait that long: not what this test is about.
        emptyLocks += removeEmptyLock(test.filePath()) ? 1 : 0;

        QVERIFY2(isReadableIniFile(test.filePath()), qPrintable(QStringLiteral("run %1").arg(run)));
        QSettings parsed(test.filePath(), QSettings::IniFormat);
        QCOMPARE(parsed.status(), QSettings::NoError);
        const QMap<QString, QString> stored = storedValues(test.filePath());
        const int done = writesShown(stored, run);
        QVERIFY(killed || done == writesPerRun);
        // The file shows the first `done` writes, each key its last value among them.
        QCOMPARE(stored, afterWrites(expected, run, done));
        expected = stored;
        writesDone += done;
    }
    const QStringList leftovers = leftoverFiles(test.filePath());
    QCOMPARE(kills, killsWanted);

    // The store still takes writes after all that: a lock left by a killed writer is
    // stale and goes with the next write.
    SettingsStore after([](const QString &message) { QFAIL(qPrintable(message)); });
    after.SaveSetting(QStringLiteral("K0"), QStringLiteral("after"));
    QCOMPARE(test.value(QStringLiteral("K0")), QStringLiteral("after"));
    const QStringList afterNextWrite = leftoverFiles(test.filePath());
    qInfo("kill -9 of a writer during %d writes: %d kills mid-run (%d runs finished first), run length %lld ms, "
          "%lld writes reached the file, keys lost or torn: 0, empty lock files removed: %d, files left beside the "
          "store after the last kill: %lld %s, after the next write: %lld %s",
          writesPerRun, kills, finishedFirst, runMicroseconds / 1000, writesDone, emptyLocks, leftovers.size(),
          qPrintable(leftovers.join(QLatin1Char(' '))), afterNextWrite.size(),
          qPrintable(afterNextWrite.join(QLatin1Char(' '))));
    // A writer killed between writing its temporary file and renaming it leaves that
    // file behind: nothing reads it, and only its writer could tell it from a user's own
    // file of that shape, so it stays. So may Qt's guard for removing a stale lock
    // (".lock.rmlock"), when a writer dies while holding it: a lock of a dead process, which
    // the next removal of a stale lock takes over as stale. Nothing else may be left, the
    // stale lock included.
    static const QRegularExpression cutWrite(
        QRegularExpression::anchoredPattern(QRegularExpression::escape(QFileInfo(test.filePath()).fileName())
                                            + QStringLiteral("\\.([A-Za-z0-9]{6}|lock\\.rmlock)")));
    QCOMPARE(afterNextWrite.filter(cutWrite), afterNextWrite);
}

void TestSettingsFaults::copiesWritingAtOnceLoseNoKey()
{
    const MemoryFolder memory;
    TestStore test(memory.path());
    constexpr int copies = 3;
    constexpr int keysEach = 100;
    QElapsedTimer clock;
    clock.start();
    std::vector<std::unique_ptr<QProcess>> writers;
    for (int c = 0; c < copies; ++c) {
        writers.push_back(std::make_unique<QProcess>());
        writers.back()->start(QStringLiteral(SETTINGS_WRITER), { QString(QChar('A' + c)), QString::number(keysEach) });
    }
    for (auto &writer : writers) {
        QVERIFY(writer->waitForFinished(120000));
        QCOMPARE(writer->exitCode(), 0);
    }
    const QMap<QString, QString> stored = storedValues(test.filePath());
    int lost = 0;
    for (int c = 0; c < copies; ++c) {
        for (int i = 0; i < keysEach; ++i) {
            const QString key = QString(QChar('A' + c)) + QString::number(i);
            lost += stored.value(key) == QString::number(i) ? 0 : 1;
        }
    }
    qInfo("%d copies writing %d keys each at once: %lld keys stored, %d lost, %lld ms", copies, keysEach, stored.size(),
          lost, clock.elapsed());
    QCOMPARE(lost, 0);
    QCOMPARE(stored.size(), copies * keysEach);
}

void TestSettingsFaults::fullDiskIsReportedOnceAndKeepsTheFile()
{
    PrivateTmpfs disk(QStringLiteral("size=64k,mode=0700"));
    if (!disk.mounted())
        QSKIP(qPrintable(QStringLiteral("full-disk test needs a tmpfs of its own (%1)").arg(disk.problem())));

    const QString path = disk.path() + QStringLiteral("/Orvanta/Lumetra Wall Time Display.ini");
    QStringList problems;
    SettingsStore store([&problems](const QString &message) { problems.append(message); }, path);
    store.SaveSetting(QStringLiteral("Check1"), QStringLiteral("0"));
    store.SaveSetting(QStringLiteral("FontName"), QStringLiteral("Arial"));
    const QByteArray before = TestFiles::read(path);
    QVERIFY(!before.isEmpty());

    const QString filler = disk.path() + QStringLiteral("/filler");
    const qint64 filled = fillDisk(filler);
    QVERIFY(filled > 0);
    store.SaveSetting(QStringLiteral("Check1"), QStringLiteral("1"));
    store.SaveSetting(QStringLiteral("Option2"), QStringLiteral("True"));
    const int reportsWhileFull = static_cast<int>(problems.size());
    const QByteArray whileFull = TestFiles::read(path);
    const QStringList leftovers = leftoverFiles(path);
    // The values stay in force for this run.
    QCOMPARE(store.GetSetting(QStringLiteral("Check1"), 0), QStringLiteral("1"));

    QVERIFY(QFile::remove(filler));
    store.SaveSetting(QStringLiteral("Check4"), QStringLiteral("0"));
    qInfo("full disk (%lld bytes of filler): %d report(s) for 2 failed writes, file kept: %s, files left "
          "beside it: %lld, next write after freeing space: %s",
          filled, reportsWhileFull, whileFull == before ? "yes" : "no", leftovers.size(),
          problems.size() == reportsWhileFull ? "saved" : "failed");
    QCOMPARE(reportsWhileFull, 1);
    QVERIFY(problems.first().contains(path));
    QCOMPARE(whileFull, before);
    QCOMPARE(leftovers, QStringList());
    QCOMPARE(problems.size(), 1);
    QCOMPARE(TestFiles::read(path), QByteArray("[General]\nCheck1=1\nCheck4=0\nFontName=Arial\nOption2=True\n"));
}

void TestSettingsFaults::textNotRepairedForWantOfRoomIsSetAsideWhole_data()
{
    // Whether the temporary files go to the full disk too.
    QTest::addColumn<bool>("temporaryFilesThere");
    QTest::newRow("no room for the test of the repaired text") << true;
    QTest::newRow("no room for the copy of the file") << false;
}

void TestSettingsFaults::textNotRepairedForWantOfRoomIsSetAsideWhole()
{
    QFETCH(bool, temporaryFilesThere);
    PrivateTmpfs disk(QStringLiteral("size=64k,mode=0700"));
    if (!disk.mounted())
        QSKIP(qPrintable(QStringLiteral("full-disk test needs a tmpfs of its own (%1)").arg(disk.problem())));
    const QString path = disk.path() + QStringLiteral("/store.ini");
    QByteArray text("[General]\n");
    for (int k = 0; k < 200; ++k)
        text += "K" + QByteArray::number(k) + '=' + QByteArray("\xff-").repeated(10) + '\n';
    TestFiles::write(path, text);
    const QString filler = disk.path() + QStringLiteral("/filler");
    const qint64 filled = fillDisk(filler);
    QVERIFY(filled > 0);
    const ScopedEnvironment temporaryFolder("TMPDIR",
                                            temporaryFilesThere ? QFile::encodeName(disk.path()) : qgetenv("TMPDIR"));

    QStringList problems;
    SettingsStore store([&problems](const QString &message) { problems.append(message); }, path);
    QCOMPARE(problems.size(), 1);
    QVERIFY2(problems.first().contains(QStringLiteral("could not be read")), qPrintable(problems.first()));
    QCOMPARE(TestFiles::read(path + QStringLiteral(".unreadable")), text);
    QCOMPARE(leftoverFiles(path), QStringList({ QStringLiteral("filler"), QStringLiteral("store.ini.unreadable") }));
}

QTEST_GUILESS_MAIN(TestSettingsFaults)
#include "tst_settingsfaults.moc"

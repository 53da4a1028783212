#include "support/TestFiles.h"
#include "support/ZoneFileBytes.h"
#include "timezones/ZoneFileWatch.h"
#include "timezones/ZoneRulesCache.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

namespace {

// Puts a new file in place of the one at path, as package updates do.
void replace(const QString &path, const QByteArray &content)
{
    TestFiles::write(path + QStringLiteral(".new"), content);
    QVERIFY(::rename(QFile::encodeName(path + QStringLiteral(".new")).constData(), QFile::encodeName(path).constData())
            == 0);
}

}

class TestZoneFiles : public QObject {
    Q_OBJECT

private slots:
    void rulesAreSharedUntilTheFileChanges();
    void aFolderMadeAgainIsWatchedAgain();
};

void TestZoneFiles::rulesAreSharedUntilTheFileChanges()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Zone"));
    replace(path, ZoneFileBytes::fixedOffset(3600));
    std::shared_ptr<const ZoneRules> first = ZoneRulesCache::rulesOf(path);
    QVERIFY(first);
    QCOMPARE(ZoneRulesCache::rulesOf(path), first);

    replace(path, ZoneFileBytes::fixedOffset(7200));
    std::shared_ptr<const ZoneRules> second = ZoneRulesCache::rulesOf(path);
    QVERIFY(second && second != first);
    QCOMPARE(second->offsetAt(0), 7200);
    QCOMPARE(first->offsetAt(0), 3600);

    // Nothing is kept once no zone holds the rules.
    const std::weak_ptr<const ZoneRules> kept = second;
    first.reset();
    second.reset();
    QVERIFY(kept.expired());
}

void TestZoneFiles::aFolderMadeAgainIsWatchedAgain()
{
    QTemporaryDir root;
    const QString zone = root.filePath(QStringLiteral("zoneinfo/Europe/Berlin"));
    TestFiles::write(zone, ZoneFileBytes::fixedOffset(3600));
    ZoneFileWatch watch;
    QSignalSpy changed(&watch, &ZoneFileWatch::changed);
    watch.watch({ zone });

    QVERIFY(QDir(root.filePath(QStringLiteral("zoneinfo/Europe"))).removeRecursively());
    QTRY_VERIFY(!changed.isEmpty());
    const qsizetype whenRemoved = changed.size();
    TestFiles::write(zone, ZoneFileBytes::fixedOffset(7200));
    QTRY_VERIFY(changed.size() > whenRemoved);
}

QTEST_GUILESS_MAIN(TestZoneFiles)
#include "tst_zonefiles.moc"

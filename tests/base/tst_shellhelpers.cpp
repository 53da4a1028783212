#include "base/AppTitle.h"
#include "base/FileHelpers.h"
#include "base/HomePageDraw.h"
#include "base/RuntimeError.h"

#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

class TestShellHelpers : public QObject {
    Q_OBJECT

private slots:
    void appTitle_data();
    void appTitle();
    void appTitleWithoutBlankFails();
    void homePageDraw_data();
    void homePageDraw();
    void seedIsSecondsSinceMidnight();
    void fileExists();
    void readFileUpTo();
};

void TestShellHelpers::appTitle_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("title");
    QTest::newRow("product name drops its last word") << "Lumetra Wall Time Display"
                                                      << "Lumetra Wall Time";
    QTest::newRow("two words") << "Wall Clock"
                               << "Wall";
    QTest::newRow("cut again while over 40 characters") << "Alpha Bravo Charlie Delta Echo Foxtrot Golf Hotel"
                                                        << "Alpha Bravo Charlie Delta Echo Foxtrot";
    QTest::newRow("exactly 40 after one cut") << "0123456789 0123456789 0123456789 0123456 tail"
                                              << "0123456789 0123456789 0123456789 0123456";
}

void TestShellHelpers::appTitle()
{
    QFETCH(QString, name);
    QFETCH(QString, title);
    QCOMPARE(appTitleFrom(name), title);
}

void TestShellHelpers::appTitleWithoutBlankFails()
{
    QVERIFY_THROWS_EXCEPTION(RuntimeError, appTitleFrom(QStringLiteral("Lumetra")));
    // Cutting stops short of 40 characters only where a blank allows it.
    QVERIFY_THROWS_EXCEPTION(RuntimeError, appTitleFrom(QString(45, QLatin1Char('x')) + " end"));
}

void TestShellHelpers::homePageDraw_data()
{
    QTest::addColumn<double>("r");
    QTest::addColumn<int>("number");
    QTest::addColumn<bool>("opens");
    QTest::newRow("lowest") << 0.0 << 1 << false;
    QTest::newRow("just below seven") << 0.0599 << 6 << false;
    QTest::newRow("seven starts") << 0.06 << 7 << true;
    QTest::newRow("seven ends") << 0.0699 << 7 << true;
    QTest::newRow("eight") << 0.07 << 8 << false;
    QTest::newRow("highest") << 0.99999 << 100 << false;
}

void TestShellHelpers::homePageDraw()
{
    QFETCH(double, r);
    QFETCH(int, number);
    QFETCH(bool, opens);
    QCOMPARE(HomePageDraw::numberFor(r), number);
    QCOMPARE(HomePageDraw::opensHomePage(r), opens);
}

void TestShellHelpers::seedIsSecondsSinceMidnight()
{
    QCOMPARE(HomePageDraw::seedFor(QTime(0, 0)), 0u);
    QCOMPARE(HomePageDraw::seedFor(QTime(1, 2, 3)), 3723u);
    QCOMPARE(HomePageDraw::seedFor(QTime(23, 59, 59, 999)), 86399u);
}

void TestShellHelpers::fileExists()
{
    QTemporaryDir folder;
    QVERIFY(!FileExists(QString()));
    QVERIFY(!FileExists(programFilePath(folder.path(), "HAND-M.CUR")));
    QFile file(programFilePath(folder.path(), "HAND-M.CUR"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QVERIFY(FileExists(file.fileName()));
    QVERIFY(FileExists(folder.path()));
}

void TestShellHelpers::readFileUpTo()
{
    // A file is read whole or not at all; a device that never ends is no exception.
    QTemporaryDir folder;
    QFile file(folder.filePath("file"));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(QByteArray(100, 'x')) == 100);
    file.close();
    QCOMPARE(::readFileUpTo(file.fileName(), 100).value_or(QByteArray()).size(), 100);
    QVERIFY(!::readFileUpTo(file.fileName(), 99));
    QVERIFY(!::readFileUpTo("/dev/zero", 1 << 20));
    QVERIFY(!::readFileUpTo("/nonexistent/file", 100));
    // Nothing but a regular file is read; a FIFO's writer is not waited for.
    QCOMPARE(::mkfifo(QFile::encodeName(folder.filePath("fifo")).constData(), 0600), 0);
    QVERIFY(!::readFileUpTo(folder.filePath("fifo"), 100));
    QVERIFY(!::readFileUpTo(folder.path(), 100));
}

QTEST_GUILESS_MAIN(TestShellHelpers)
#include "tst_shellhelpers.moc"

#include "base/AppTitle.h"
#include "base/FileHelpers.h"
#include "base/HomePageDraw.h"
#include "base/RuntimeError.h"

#include <QDir>
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
    void readFileUpTo_data();
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

void TestShellHelpers::readFileUpTo_data()
{
    // What is at the path (a file of 100 bytes, a FIFO, a folder, or the path itself), the
    // most to read, the bytes read or -1 for none. Nothing but a regular file is read, and
    // nothing waits for a FIFO's writer.
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("most");
    QTest::addColumn<int>("read");
    QTest::newRow("a file that fits") << "file" << 100 << 100;
    QTest::newRow("a file too long") << "file" << 99 << -1;
    QTest::newRow("a FIFO") << "fifo" << 100 << -1;
    QTest::newRow("a folder") << "folder" << 100 << -1;
    QTest::newRow("a device that never ends") << "/dev/zero" << (1 << 20) << -1;
    QTest::newRow("nothing") << "/nonexistent/file" << 100 << -1;
}

void TestShellHelpers::readFileUpTo()
{
    QFETCH(QString, kind);
    QFETCH(int, most);
    QFETCH(int, read);
    QTemporaryDir folder;
    QString path = folder.filePath(kind);
    if (kind == "file") {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(QByteArray(100, 'x')) == 100);
    } else if (kind == "fifo") {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (kind == "folder") {
        QVERIFY(QDir().mkpath(path));
    } else {
        path = kind;
    }
    const std::optional<QByteArray> bytes = ::readFileUpTo(path, most);
    QCOMPARE(bytes ? int(bytes->size()) : -1, read);
}

QTEST_GUILESS_MAIN(TestShellHelpers)
#include "tst_shellhelpers.moc"

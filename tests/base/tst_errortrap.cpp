#include "base/ErrorReport.h"
#include "base/ErrorTrap.h"
#include "base/RuntimeError.h"
#include "support/FakePlatform.h"

#include <QTest>

namespace {

const QString location = QStringLiteral("in Lumetra2021/08/31.Form1.ListTimeZones ");

QString reportFor(const QString &description, int line)
{
    return description + "\r\n" + location + "at line " + QString::number(line)
        + "\r\rPlease email screenshot of this message to support@orvanta.example";
}

void fail(const QString &description)
{
    throw RuntimeError(description);
}

}

class TestErrorTrap : public QObject {
    Q_OBJECT

private slots:
    void messageText_data();
    void messageText();
    void reportIsAModalWarningTitledApplicationError();
    void failureOnTheFirstLineQuotes100AndTheNextLineRuns();
    void failureInsideALoopGoesOnWithTheLoop();
    void failedConditionEntersItsBranch();
    void laterFailureIsReportedAgain();
    void failureOfAnyStandardExceptionIsReported();
};

void TestErrorTrap::messageText_data()
{
    QTest::addColumn<QString>("description");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("expected");
    QTest::newRow("list position") << "Invalid property value" << 132
                                   << "Invalid property value\r\nin Lumetra2021/08/31.Form1.ListTimeZones at line 132"
                                      "\r\rPlease email screenshot of this message to support@orvanta.example";
    QTest::newRow("empty description starts with an empty line")
        << "" << 100
        << "\r\nin Lumetra2021/08/31.Form1.ListTimeZones at line 100"
           "\r\rPlease email screenshot of this message to support@orvanta.example";
    QTest::newRow("before the first line") << "Overflow" << 0 << reportFor("Overflow", 0);
}

void TestErrorTrap::messageText()
{
    QFETCH(QString, description);
    QFETCH(int, line);
    QFETCH(QString, expected);
    QCOMPARE(ErrorReport::messageText(description, location, line), expected);
}

void TestErrorTrap::reportIsAModalWarningTitledApplicationError()
{
    FakePlatform platform;
    ErrorTrap trap(platform, location);
    trap.line(100, [] { fail(RuntimeErrors::typeMismatch); });
    QCOMPARE(platform.messages.size(), 1);
    QCOMPARE(platform.messages.first().title, QStringLiteral("Application Error"));
    QCOMPARE(platform.messages.first().icon, PlatformServices::MessageIcon::Warning);
}

void TestErrorTrap::failureOnTheFirstLineQuotes100AndTheNextLineRuns()
{
    FakePlatform platform;
    ErrorTrap trap(platform, location);
    int value = 1;
    trap.line(100, [&] {
        fail(RuntimeErrors::typeMismatch);
        value = 2;
    });
    trap.line(102, [&] { value += 10; });
    QCOMPARE(value, 11);
    QCOMPARE(platform.messageTexts(), QStringList { reportFor("Type mismatch", 100) });
}

void TestErrorTrap::failureInsideALoopGoesOnWithTheLoop()
{
    FakePlatform platform;
    ErrorTrap trap(platform, location);
    QList<int> done;
    for (int i = 0; i < 4; ++i) {
        trap.line(108, [&] {
            if (i == 1)
                fail(RuntimeErrors::subscriptOutOfRange);
            done.append(i);
        });
        trap.line(110, [&] {
            if (i == 2)
                fail(RuntimeErrors::overflow);
        });
    }
    QCOMPARE(done, (QList<int> { 0, 2, 3 }));
    QCOMPARE(platform.messageTexts(),
             (QStringList { reportFor("Subscript out of range", 108), reportFor("Overflow", 110) }));
    QCOMPARE(trap.failures(), 2);
}

void TestErrorTrap::failedConditionEntersItsBranch()
{
    FakePlatform platform;
    ErrorTrap trap(platform, location);
    QVERIFY(trap.condition(118, [] { return false || (fail(RuntimeErrors::typeMismatch), false); }));
    QVERIFY(!trap.condition(120, [] { return false; }));
    QCOMPARE(platform.messageTexts(), QStringList { reportFor("Type mismatch", 118) });
}

void TestErrorTrap::laterFailureIsReportedAgain()
{
    FakePlatform platform;
    ErrorTrap trap(platform, location);
    trap.line(100, [] { fail(RuntimeErrors::overflow); });
    trap.line(102, [] {});
    trap.line(104, [] { fail(RuntimeErrors::overflow); });
    QCOMPARE(platform.messageTexts(), (QStringList { reportFor("Overflow", 100), reportFor("Overflow", 104) }));
}

void TestErrorTrap::failureOfAnyStandardExceptionIsReported()
{
    FakePlatform platform;
    ErrorTrap trap(platform, location);
    trap.line(100, [] { throw std::out_of_range("Subscript out of range"); });
    QCOMPARE(platform.messageTexts(), QStringList { reportFor("Subscript out of range", 100) });
}

QTEST_GUILESS_MAIN(TestErrorTrap)
#include "tst_errortrap.moc"

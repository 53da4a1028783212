#include "clock/SyncWarning.h"

#include <QTest>

class TestSyncWarning : public QObject {
    Q_OBJECT

private slots:
    void warnsAfterFiveMinutesInARow_data();
    void warnsAfterFiveMinutesInARow();
};

void TestSyncWarning::warnsAfterFiveMinutesInARow_data()
{
    // The computer's answers in turn ('y' synchronised, 'n' not, '?' no answer), the seconds
    // at which they come, and whether the last one shows the warning.
    QTest::addColumn<QString>("answers");
    QTest::addColumn<QList<int>>("seconds");
    QTest::addColumn<bool>("warns");
    QTest::newRow("4:59 not synchronised") << "nn" << QList<int> { 0, 299 } << false;
    QTest::newRow("5:00 not synchronised") << "nn" << QList<int> { 0, 300 } << true;
    QTest::newRow("synchronised a moment: counted anew") << "nnyn" << QList<int> { 0, 299, 300, 599 } << false;
    QTest::newRow("synchronised again: gone") << "nny" << QList<int> { 0, 300, 301 } << false;
    QTest::newRow("no answer: nothing") << "??" << QList<int> { 0, 600 } << false;
    QTest::newRow("no answer between: counted anew") << "n?n" << QList<int> { 0, 1, 300 } << false;
    QTest::newRow("clock set back: counted from there") << "nnn" << QList<int> { 1000, 500, 800 } << true;
}

void TestSyncWarning::warnsAfterFiveMinutesInARow()
{
    QFETCH(QString, answers);
    QFETCH(QList<int>, seconds);
    QFETCH(bool, warns);
    SyncWarning warning;
    bool shown = false;
    for (qsizetype k = 0; k < answers.size(); ++k) {
        const std::optional<bool> answer = answers[k] == u'?' ? std::nullopt : std::optional(answers[k] == u'y');
        shown = warning.update(answer, seconds.at(k) * static_cast<qint64>(1000));
    }
    QCOMPARE(shown, warns);
}

QTEST_GUILESS_MAIN(TestSyncWarning)
#include "tst_syncwarning.moc"

#include "wallscreen/PointerIdle.h"

#include <QTest>

class TestPointerIdle : public QObject {
    Q_OBJECT

private slots:
    void msecsUntilHide_data();
    void msecsUntilHide();
};

void TestPointerIdle::msecsUntilHide_data()
{
    QTest::addColumn<qint64>("sinceMove");
    QTest::addColumn<qint64>("expected");
    QTest::addColumn<qint64>("afterwards");
    // afterwards: what a second look, one second later still, gives.
    QTest::newRow("just moved") << qint64(0) << qint64(3000) << qint64(2000);
    QTest::newRow("a moment before") << qint64(2999) << qint64(1) << qint64(0);
    QTest::newRow("due") << qint64(3000) << qint64(0) << qint64(0);
    QTest::newRow("long after") << qint64(600000) << qint64(0) << qint64(0);
    QTest::newRow("clock set back") << qint64(-3600000) << qint64(3000) << qint64(2000);
}

void TestPointerIdle::msecsUntilHide()
{
    QFETCH(qint64, sinceMove);
    QFETCH(qint64, expected);
    QFETCH(qint64, afterwards);
    const QDateTime moved(QDate(2026, 1, 15), QTime(13, 5), Qt::UTC);
    PointerIdle idle;
    idle.moved(moved);
    const QDateTime now = moved.addMSecs(sinceMove);
    QCOMPARE(idle.msecsUntilHide(now), expected);
    QCOMPARE(idle.msecsUntilHide(now.addSecs(1)), afterwards);
}

QTEST_GUILESS_MAIN(TestPointerIdle)
#include "tst_pointeridle.moc"

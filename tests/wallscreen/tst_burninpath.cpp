#include "wallscreen/BurnInPath.h"

#include <QSet>
#include <QTest>

class TestBurnInPath : public QObject {
    Q_OBJECT

private slots:
    void pathVisitsEveryPlaceByNeighbouringSteps();
    void offsetsStayWithinThreePercent_data();
    void offsetsStayWithinThreePercent();
    void anHourOfMinutesVisitsDistinctPlaces_data();
    void anHourOfMinutesVisitsDistinctPlaces();
};

void TestBurnInPath::pathVisitsEveryPlaceByNeighbouringSteps()
{
    QSet<QPair<int, int>> seen;
    for (int step = 0; step < BurnInPath::places; ++step) {
        const QPoint place = BurnInPath::placeAt(step);
        QVERIFY(place.x() >= 0 && place.x() < BurnInPath::side);
        QVERIFY(place.y() >= 0 && place.y() < BurnInPath::side);
        seen.insert({ place.x(), place.y() });
        // The last step leads back to the first place.
        const QPoint next = BurnInPath::placeAt(step + 1);
        QCOMPARE((next - place).manhattanLength(), 1);
    }
    QCOMPARE(seen.size(), BurnInPath::places);
    QCOMPARE(BurnInPath::placeAt(BurnInPath::places), BurnInPath::placeAt(0));
    QCOMPARE(BurnInPath::placeAt(-1), BurnInPath::placeAt(BurnInPath::places - 1));
}

void TestBurnInPath::offsetsStayWithinThreePercent_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::newRow("800x600") << QSize(800, 600);
    QTest::newRow("portrait 1080x1920") << QSize(1080, 1920);
    QTest::newRow("1920x1080") << QSize(1920, 1080);
    QTest::newRow("3840x2160") << QSize(3840, 2160);
}

void TestBurnInPath::offsetsStayWithinThreePercent()
{
    QFETCH(QSize, screen);
    QPoint least;
    QPoint most;
    for (int minute = 0; minute < BurnInPath::places; ++minute) {
        const QPoint offset = BurnInPath::offsetAt(minute, screen);
        QVERIFY2(qAbs(offset.x()) <= 0.03 * screen.width() && qAbs(offset.y()) <= 0.03 * screen.height(),
                 qPrintable(QStringLiteral("minute %1: %2,%3").arg(minute).arg(offset.x()).arg(offset.y())));
        least = QPoint(qMin(least.x(), offset.x()), qMin(least.y(), offset.y()));
        most = QPoint(qMax(most.x(), offset.x()), qMax(most.y(), offset.y()));
    }
    // The whole area is used: the extremes lie within a pixel of ±3%.
    QVERIFY(most.x() >= 0.03 * screen.width() - 1 && least.x() <= -0.03 * screen.width() + 1);
    QVERIFY(most.y() >= 0.03 * screen.height() - 1 && least.y() <= -0.03 * screen.height() + 1);
}

void TestBurnInPath::anHourOfMinutesVisitsDistinctPlaces_data()
{
    QTest::addColumn<qint64>("firstMinute");
    QTest::newRow("from the epoch") << qint64(0);
    QTest::newRow("2026-01-15 13:05 UTC") << qint64(1768482300 / 60);
    QTest::newRow("across the path's end") << qint64(BurnInPath::places * 1000 - 10);
}

void TestBurnInPath::anHourOfMinutesVisitsDistinctPlaces()
{
    QFETCH(qint64, firstMinute);
    const QSize screen(1920, 1080);
    QSet<QPair<int, int>> seen;
    for (qint64 minute = firstMinute; minute < firstMinute + 60; ++minute) {
        const QPoint offset = BurnInPath::offsetAt(minute, screen);
        seen.insert({ offset.x(), offset.y() });
        QVERIFY(offset != BurnInPath::offsetAt(minute + 1, screen));
    }
    QCOMPARE(seen.size(), 60);
}

QTEST_GUILESS_MAIN(TestBurnInPath)
#include "tst_burninpath.moc"

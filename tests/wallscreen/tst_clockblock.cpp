#include "wallscreen/ClockBlock.h"

#include <QTest>

class TestClockBlock : public QObject {
    Q_OBJECT

private slots:
    void place_data();
    void place();
};

void TestClockBlock::place_data()
{
    QTest::addColumn<QSize>("window");
    QTest::addColumn<int>("timeHeight");
    QTest::addColumn<int>("infoHeight");
    QTest::addColumn<QPoint>("offset");
    QTest::addColumn<QRect>("timeLine");
    QTest::addColumn<QRect>("infoLines");
    QTest::newRow("time alone, centred") << QSize(1920, 1080) << 200 << 0 << QPoint() << QRect(0, 440, 1920, 200)
                                         << QRect(0, 640, 1920, 0);
    // 1079 / 2 - 201 / 2 = 439 exactly; halves round as the plain clock rounds them.
    QTest::newRow("odd sizes") << QSize(800, 1079) << 201 << 0 << QPoint() << QRect(0, 439, 800, 201)
                               << QRect(0, 640, 800, 0);
    QTest::newRow("with lines: the block is centred")
        << QSize(1920, 1080) << 200 << 100 << QPoint() << QRect(0, 390, 1920, 200) << QRect(0, 590, 1920, 100);
    QTest::newRow("moved by an offset") << QSize(1920, 1080) << 200 << 100 << QPoint(-57, 32)
                                        << QRect(-57, 422, 1920, 200) << QRect(-57, 622, 1920, 100);
}

void TestClockBlock::place()
{
    QFETCH(QSize, window);
    QFETCH(int, timeHeight);
    QFETCH(int, infoHeight);
    QFETCH(QPoint, offset);
    QFETCH(QRect, timeLine);
    QFETCH(QRect, infoLines);
    const ClockBlock block = ClockBlock::place(window, timeHeight, infoHeight, offset);
    QCOMPARE(block.timeLine, timeLine);
    QCOMPARE(block.infoLines, infoLines);
}

QTEST_GUILESS_MAIN(TestClockBlock)
#include "tst_clockblock.moc"

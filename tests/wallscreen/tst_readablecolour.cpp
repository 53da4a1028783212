#include "dressing/ReadableText.h"

#include <QTest>

class TestReadableColour : public QObject {
    Q_OBJECT

private slots:
    void lineColourOnTheBackground_data();
    void lineColourOnTheBackground();
};

void TestReadableColour::lineColourOnTheBackground_data()
{
    QTest::addColumn<QColor>("background");
    QTest::addColumn<QColor>("wanted");
    QTest::addColumn<QColor>("expected");
    QTest::newRow("white on black stays") << QColor(Qt::black) << QColor(Qt::white) << QColor(Qt::white);
    QTest::newRow("half-bright grey on black stays")
        << QColor(Qt::black) << QColor(128, 128, 128) << QColor(128, 128, 128);
    QTest::newRow("white on white turns black") << QColor(Qt::white) << QColor(Qt::white) << QColor(Qt::black);
    QTest::newRow("grey on mid grey turns black") << QColor(119, 119, 119) << QColor(90, 90, 90) << QColor(Qt::black);
    QTest::newRow("grey on dark red turns white") << QColor(120, 0, 0) << QColor(90, 90, 90) << QColor(Qt::white);
}

void TestReadableColour::lineColourOnTheBackground()
{
    QFETCH(QColor, background);
    QFETCH(QColor, wanted);
    QFETCH(QColor, expected);
    QCOMPARE(ReadableText::on(background, wanted), expected);
}

QTEST_APPLESS_MAIN(TestReadableColour)
#include "tst_readablecolour.moc"

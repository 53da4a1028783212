#include "dressing/ReadableText.h"

#include <QTest>

class TestReadableColour : public QObject {
    Q_OBJECT

private slots:
    void lineColourOnTheBackground_data();
    void lineColourOnTheBackground();
    void dimmedTextDarkensOnlyAsFarAsNeeded_data();
    void dimmedTextDarkensOnlyAsFarAsNeeded();
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

void TestReadableColour::dimmedTextDarkensOnlyAsFarAsNeeded_data()
{
    QTest::addColumn<QColor>("dimmed");
    QTest::addColumn<QColor>("full");
    QTest::addColumn<QColor>("expected");
    // On white, in twentieths of the way from the dimmed grey to black: 110 is the first
    // that reads.
    QTest::newRow("readable already") << QColor(100, 100, 100) << QColor(Qt::black) << QColor(100, 100, 100);
    QTest::newRow("part of the way") << QColor(200, 200, 200) << QColor(Qt::black) << QColor(110, 110, 110);
    QTest::newRow("nothing on the way reads")
        << QColor(250, 250, 250) << QColor(240, 240, 240) << QColor(240, 240, 240);
}

void TestReadableColour::dimmedTextDarkensOnlyAsFarAsNeeded()
{
    QFETCH(QColor, dimmed);
    QFETCH(QColor, full);
    QFETCH(QColor, expected);
    QCOMPARE(ReadableText::dimmedButReadable(dimmed, full, QColor(Qt::white)).toRgb(), expected);
}

QTEST_APPLESS_MAIN(TestReadableColour)
#include "tst_readablecolour.moc"

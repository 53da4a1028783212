#include "wallscreen/FitToScreen.h"

#include <QTest>

#include <cmath>

class TestFitToScreen : public QObject {
    Q_OBJECT

private slots:
    void timeBounds_data();
    void timeBounds();
    void largestFittingSize_data();
    void largestFittingSize();
    void digitVariants_data();
    void digitVariants();
};

void TestFitToScreen::timeBounds_data()
{
    QTest::addColumn<QSizeF>("window");
    QTest::addColumn<QSizeF>("bounds");
    QTest::newRow("800x600") << QSizeF(800, 600) << QSizeF(720, 360);
    QTest::newRow("portrait 1080x1920") << QSizeF(1080, 1920) << QSizeF(972, 1152);
    QTest::newRow("3840x2160") << QSizeF(3840, 2160) << QSizeF(3456, 1296);
}

void TestFitToScreen::timeBounds()
{
    QFETCH(QSizeF, window);
    QFETCH(QSizeF, bounds);
    QCOMPARE(FitToScreen::timeBounds(window), bounds);
}

void TestFitToScreen::largestFittingSize_data()
{
    // Text measured as width = widthPerPoint * points + extra, height = heightPerPoint *
    // points, each rounded up to whole pixels when rounded is set (as a rasteriser does).
    QTest::addColumn<QSizeF>("bounds");
    QTest::addColumn<double>("widthPerPoint");
    QTest::addColumn<double>("heightPerPoint");
    QTest::addColumn<double>("extra");
    QTest::addColumn<bool>("rounded");
    QTest::addColumn<int>("most");
    QTest::addColumn<int>("expected");
    QTest::newRow("width limits") << QSizeF(720, 360) << 6.0 << 1.5 << 0.0 << false << 5000 << 120;
    QTest::newRow("height limits") << QSizeF(3456, 300) << 6.0 << 1.5 << 0.0 << false << 5000 << 200;
    QTest::newRow("exact fit is kept") << QSizeF(600, 1000) << 6.0 << 1.0 << 0.0 << false << 5000 << 100;
    QTest::newRow("fixed margin makes the guess too big")
        << QSizeF(720, 1000) << 6.0 << 1.0 << 60.0 << false << 5000 << 110;
    QTest::newRow("rounded widths") << QSizeF(721, 1000) << 6.01 << 1.0 << 0.0 << true << 5000 << 119;
    QTest::newRow("capped by most") << QSizeF(100000, 100000) << 6.0 << 1.5 << 0.0 << false << 400 << 400;
    QTest::newRow("nothing fits gives 1") << QSizeF(3, 3) << 6.0 << 1.5 << 0.0 << false << 5000 << 1;
    QTest::newRow("empty text: height alone") << QSizeF(720, 360) << 0.0 << 1.5 << 0.0 << false << 5000 << 240;
}

void TestFitToScreen::largestFittingSize()
{
    QFETCH(QSizeF, bounds);
    QFETCH(double, widthPerPoint);
    QFETCH(double, heightPerPoint);
    QFETCH(double, extra);
    QFETCH(bool, rounded);
    QFETCH(int, most);
    QFETCH(int, expected);
    const auto measure = [&](int points) {
        const double width = widthPerPoint * points + (widthPerPoint > 0 ? extra : 0);
        const double height = heightPerPoint * points;
        return rounded ? QSizeF(std::ceil(width), std::ceil(height)) : QSizeF(width, height);
    };
    const int points = FitToScreen::largestFittingSize(bounds, most, measure);
    QCOMPARE(points, expected);
}

void TestFitToScreen::digitVariants_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("zeros");
    QTest::addColumn<QString>("eights");
    QTest::newRow("with seconds") << "01:05:42 PM"
                                  << "00:00:00 PM"
                                  << "88:88:88 PM";
    QTest::newRow("24-hour") << "13:05"
                             << "00:00"
                             << "88:88";
    QTest::newRow("Arabic-Indic digits stay Arabic-Indic") << "٠١:٠٥ ص"
                                                           << "٠٠:٠٠ ص"
                                                           << "٨٨:٨٨ ص";
    QTest::newRow("empty") << ""
                           << ""
                           << "";
}

void TestFitToScreen::digitVariants()
{
    QFETCH(QString, text);
    QFETCH(QString, zeros);
    QFETCH(QString, eights);
    const QStringList variants = FitToScreen::digitVariants(text);
    QCOMPARE(variants.size(), 10);
    QCOMPARE(variants.first(), zeros);
    QCOMPARE(variants.at(8), eights);
}

QTEST_GUILESS_MAIN(TestFitToScreen)
#include "tst_fittoscreen.moc"

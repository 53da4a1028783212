#include "base/ProductInfo.h"
#include "clock/ClockWindow.h"
#include "clock/Form2.h"
#include "panel/Form1.h"
#include "panel/PanelWindow.h"
#include "support/ProgramFixture.h"

#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <cstdlib>

namespace {

QImage rendered(const QIcon &icon, int size)
{
    return icon.pixmap(QSize(size, size)).toImage().convertToFormat(QImage::Format_ARGB32);
}

QPoint at(int size, double x, double y)
{
    return QPoint(int(size * x), int(size * y));
}

}

class tst_AppIcon : public QObject {
    Q_OBJECT

private slots:
    void rendersTheDrawingAtEverySize_data();
    void rendersTheDrawingAtEverySize();
    void windowIconSizesShowTheDrawingAsItIs_data();
    void windowIconSizesShowTheDrawingAsItIs();
    void everyWindowCarriesIt();
};

void tst_AppIcon::rendersTheDrawingAtEverySize_data()
{
    QTest::addColumn<int>("size");
    QTest::newRow("menu 16") << 16;
    QTest::newRow("panel 32") << 32;
    QTest::newRow("launcher 48") << 48;
    QTest::newRow("dock 128") << 128;
    QTest::newRow("large 256") << 256;
}

// A missing SVG icon engine or a resource that was not compiled in gives an empty pixmap.
void tst_AppIcon::rendersTheDrawingAtEverySize()
{
    QFETCH(int, size);
    ProgramFixture fixture;
    const QImage image = rendered(fixture.program.appIcon(), size);

    QCOMPARE(image.size(), QSize(size, size));
    QCOMPARE(image.pixelColor(0, 0).alpha(), 0);
    const QColor tile = image.pixelColor(at(size, 0.5, 0.12));
    QCOMPARE(tile.alpha(), 255);
    QVERIFY2(tile.blue() > tile.red() + 30, qPrintable(tile.name()));
    const QColor screen = image.pixelColor(at(size, 0.5, 0.32));
    QVERIFY2(screen.lightness() < 60, qPrintable(screen.name()));
    int brightest = 0;
    for (int x = 0; x < size; ++x)
        brightest = std::max(brightest, image.pixelColor(at(size, double(x) / size, 0.45)).lightness());
    QVERIFY2(brightest > 180, "the figures on the screen are missing");
}

void tst_AppIcon::windowIconSizesShowTheDrawingAsItIs_data()
{
    QTest::addColumn<int>("size");
    for (int size : { 16, 32, 64, 128 })
        QTest::newRow(qPrintable(QString::number(size))) << size;
}

// The window icon sizes come from renderings made at build time; they show the drawing
// the program carries, up to rounding.
void tst_AppIcon::windowIconSizesShowTheDrawingAsItIs()
{
    QFETCH(int, size);
    ProgramFixture fixture;
    const QIcon icon = fixture.program.appIcon();
    QVERIFY(icon.availableSizes().contains(QSize(size, size)));
    const QImage shown = rendered(icon, size);
    const QImage drawing = rendered(QIcon(ProductInfo::iconResource), size);
    QCOMPARE(shown.size(), drawing.size());
    int largestDifference = 0;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const QRgb a = shown.pixel(x, y);
            const QRgb b = drawing.pixel(x, y);
            for (int channel : { qRed(a) - qRed(b), qGreen(a) - qGreen(b), qBlue(a) - qBlue(b), qAlpha(a) - qAlpha(b) })
                largestDifference = std::max(largestDifference, std::abs(channel));
        }
    }
    QVERIFY2(largestDifference <= 8, qPrintable(QString::number(largestDifference)));
}

void tst_AppIcon::everyWindowCarriesIt()
{
    ProgramFixture fixture;
    const QImage expected = rendered(fixture.program.appIcon(), 32);
    QCOMPARE(expected.size(), QSize(32, 32));
    fixture.program.start();
    QCOMPARE(rendered(fixture.program.form1().ui().windowIcon(), 32), expected);
    fixture.program.form1().ui().PushButton1->click();
    QCOMPARE(rendered(fixture.program.form2().ui().windowIcon(), 32), expected);
}

QTEST_MAIN(tst_AppIcon)
#include "tst_appicon.moc"

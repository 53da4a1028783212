#include "base/RuntimeError.h"
#include "platform/OleColor.h"

#include <QGuiApplication>
#include <QPalette>
#include <QTest>

class TestOleColor : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void plainColoursBothWays_data();
    void plainColoursBothWays();
    void systemColoursComeFromThePalette_data();
    void systemColoursComeFromThePalette();
    void valuesNamingNoColourAreRefused_data();
    void valuesNamingNoColourAreRefused();
    void colourOfAnotherModelIsStoredAsRgb();
};

void TestOleColor::initTestCase()
{
    // Distinct palette colours, so a mix-up of the two system colours shows.
    QPalette palette = QGuiApplication::palette();
    palette.setColor(QPalette::Button, QColor(0xD4, 0xD0, 0xC8));
    palette.setColor(QPalette::ButtonText, QColor(0x10, 0x20, 0x30));
    QGuiApplication::setPalette(palette);
}

void TestOleColor::plainColoursBothWays_data()
{
    QTest::addColumn<qint32>("value");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("black") << 0 << QColor(0, 0, 0);
    QTest::newRow("white") << 16777215 << QColor(255, 255, 255);
    QTest::newRow("red is the low byte") << 255 << QColor(255, 0, 0);
    QTest::newRow("green is the second byte") << 65280 << QColor(0, 255, 0);
    QTest::newRow("blue is the third byte") << 16711680 << QColor(0, 0, 255);
    QTest::newRow("mixed bytes keep their places") << 0x123456 << QColor(0x56, 0x34, 0x12);
}

void TestOleColor::plainColoursBothWays()
{
    QFETCH(qint32, value);
    QFETCH(QColor, colour);
    QCOMPARE(OleColor::toColor(value), colour);
    QCOMPARE(OleColor::fromColor(colour), value);
}

void TestOleColor::systemColoursComeFromThePalette_data()
{
    QTest::addColumn<qint32>("value");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("&H8000000F button face") << qint32(0x8000000F) << QColor(0xD4, 0xD0, 0xC8);
    QTest::newRow("&H80000012 button text") << qint32(0x80000012) << QColor(0x10, 0x20, 0x30);
}

void TestOleColor::systemColoursComeFromThePalette()
{
    QFETCH(qint32, value);
    QFETCH(QColor, colour);
    QCOMPARE(OleColor::toColor(value), colour);
    // Back from Qt a system colour is the plain colour it shows.
    QCOMPARE(OleColor::fromColor(OleColor::toColor(value)),
             colour.red() | (colour.green() << 8) | (colour.blue() << 16));
}

void TestOleColor::valuesNamingNoColourAreRefused_data()
{
    QTest::addColumn<qint32>("value");
    QTest::newRow("minus one") << -1;
    QTest::newRow("top byte set") << 0x01000000;
    QTest::newRow("unknown system colour") << qint32(0x80000010);
    QTest::newRow("smallest 32-bit value") << qint32(0x80000000);
}

void TestOleColor::valuesNamingNoColourAreRefused()
{
    QFETCH(qint32, value);
    try {
        OleColor::toColor(value);
        QFAIL("no failure");
    } catch (const RuntimeError &error) {
        QCOMPARE(error.description(), RuntimeErrors::invalidPropertyValue);
    }
}

void TestOleColor::colourOfAnotherModelIsStoredAsRgb()
{
    QCOMPARE(OleColor::fromColor(QColor::fromHsv(0, 255, 255)), 255);
    QCOMPARE(OleColor::fromColor(QColor::fromCmyk(255, 0, 255, 0)), 65280);
}

QTEST_MAIN(TestOleColor)
#include "tst_olecolor.moc"

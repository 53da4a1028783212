#include "base/RuntimeError.h"
#include "settings/Conversions.h"

#include <QTest>

class TestConversions : public QObject {
    Q_OBJECT

private slots:
    void toInt16_data();
    void toInt16();
    void toInt16_fails_data();
    void toInt16_fails();
    void toInt32_data();
    void toInt32();
    void toTruth_data();
    void toTruth();
    void exactComparisons_data();
    void exactComparisons();
};

void TestConversions::toInt16_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");
    QTest::newRow("zero") << "0" << 0;
    QTest::newRow("one") << "1" << 1;
    QTest::newRow("negative") << "-5" << -5;
    QTest::newRow("spaces around") << "  42 " << 42;
    QTest::newRow("half rounds to even, down") << "10.5" << 10;
    QTest::newRow("half rounds to even, up") << "11.5" << 12;
    QTest::newRow("negative half to even") << "-2.5" << -2;
    QTest::newRow("fraction below half") << "3.49" << 3;
    QTest::newRow("fraction above half") << "3.51" << 4;
    QTest::newRow("largest") << "32767" << 32767;
    QTest::newRow("smallest") << "-32768" << -32768;
    QTest::newRow("just under the top rounds in") << "32767.4" << 32767;
    QTest::newRow("bottom half rounds to even inside") << "-32768.5" << -32768;
    QTest::newRow("hexadecimal") << "&H10" << 16;
    QTest::newRow("octal") << "&O17" << 15;
    QTest::newRow("exponent") << "1e3" << 1000;
    QTest::newRow("plus sign") << "+7" << 7;
}

void TestConversions::toInt16()
{
    QFETCH(QString, text);
    QFETCH(int, expected);
    QCOMPARE(int(Conversions::toInt16(text)), expected);
}

void TestConversions::toInt16_fails_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("description");
    QTest::newRow("letters") << "abc" << RuntimeErrors::typeMismatch;
    QTest::newRow("empty") << "" << RuntimeErrors::typeMismatch;
    QTest::newRow("only spaces") << "   " << RuntimeErrors::typeMismatch;
    QTest::newRow("digits then letters") << "12abc" << RuntimeErrors::typeMismatch;
    QTest::newRow("lower-case true is no number") << "true" << RuntimeErrors::typeMismatch;
    QTest::newRow("infinity") << "inf" << RuntimeErrors::typeMismatch;
    QTest::newRow("radix neither &H nor &O") << "&X12" << RuntimeErrors::typeMismatch;
    QTest::newRow("no hexadecimal digits") << "&Hzz" << RuntimeErrors::typeMismatch;
    QTest::newRow("past the top") << "32768" << RuntimeErrors::overflow;
    QTest::newRow("past the bottom") << "-32769" << RuntimeErrors::overflow;
    QTest::newRow("top half rounds to even outside") << "32767.5" << RuntimeErrors::overflow;
    QTest::newRow("past 32 bits") << "4294967296" << RuntimeErrors::overflow;
    QTest::newRow("very long number") << QString(5000, QLatin1Char('9')) << RuntimeErrors::overflow;
}

void TestConversions::toInt16_fails()
{
    QFETCH(QString, text);
    QFETCH(QString, description);
    try {
        Conversions::toInt16(text);
        QFAIL("no failure");
    } catch (const RuntimeError &error) {
        QCOMPARE(error.description(), description);
    }
}

void TestConversions::toInt32_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("expected");
    QTest::addColumn<bool>("overflows");
    QTest::newRow("white") << "16777215" << qint64(16777215) << false;
    QTest::newRow("button face, as stored negative") << "-2147483633" << qint64(-2147483633) << false;
    QTest::newRow("largest") << "2147483647" << qint64(2147483647) << false;
    QTest::newRow("past the top") << "2147483648" << qint64(0) << true;
    QTest::newRow("smallest") << "-2147483648" << -2147483648LL << false;
    QTest::newRow("half to even") << "0.5" << qint64(0) << false;
}

void TestConversions::toInt32()
{
    QFETCH(QString, text);
    QFETCH(qint64, expected);
    QFETCH(bool, overflows);
    try {
        QCOMPARE(qint64(Conversions::toInt32(text)), expected);
        QVERIFY(!overflows);
    } catch (const RuntimeError &error) {
        QVERIFY(overflows);
        QCOMPARE(error.description(), RuntimeErrors::overflow);
    }
}

void TestConversions::toTruth_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("expected");
    QTest::newRow("True") << "True" << true;
    QTest::newRow("False") << "False" << false;
    QTest::newRow("any letter case") << "tRUE" << true;
    QTest::newRow("default one") << "1" << true;
    QTest::newRow("zero") << "0" << false;
    QTest::newRow("minus one") << "-1" << true;
    QTest::newRow("fraction") << "0.25" << true;
}

void TestConversions::toTruth()
{
    QFETCH(QString, text);
    QFETCH(bool, expected);
    QCOMPARE(Conversions::toTruth(text), expected);
}

void TestConversions::exactComparisons_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("on");
    QTest::addColumn<bool>("fontFlag");
    QTest::newRow("On") << "On" << true << false;
    QTest::newRow("on") << "on" << false << false;
    QTest::newRow("Off") << "Off" << false << false;
    QTest::newRow("empty") << "" << false << false;
    QTest::newRow("True") << "True" << false << true;
    QTest::newRow("true") << "true" << false << false;
    QTest::newRow("minus one") << "-1" << false << false;
    QTest::newRow("True with a blank") << "True " << false << false;
}

void TestConversions::exactComparisons()
{
    QFETCH(QString, text);
    QFETCH(bool, on);
    QFETCH(bool, fontFlag);
    QCOMPARE(Conversions::isOn(text), on);
    QCOMPARE(Conversions::isFontFlagSet(text), fontFlag);
}

QTEST_GUILESS_MAIN(TestConversions)
#include "tst_conversions.moc"

#include "drawing/TextPieces.h"

#include <QTest>

namespace {

QFont fontOf(const QString &family, int points, bool bold, bool italic)
{
    QFont font(family, points);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

void compareLines(const TextPieces::Line &actual, const TextPieces::Line &expected)
{
    QCOMPARE(actual.width, expected.width);
    QCOMPARE(actual.runs.size(), expected.runs.size());
    for (qsizetype i = 0; i < actual.runs.size(); ++i) {
        QCOMPARE(actual.runs[i].rawFont(), expected.runs[i].rawFont());
        QCOMPARE(actual.runs[i].glyphIndexes(), expected.runs[i].glyphIndexes());
        QCOMPARE(actual.runs[i].positions(), expected.runs[i].positions());
        QCOMPARE(actual.runs[i].flags(), expected.runs[i].flags());
    }
}

QStringList minuteOf(const QString &pattern)
{
    QStringList texts;
    for (int second = 0; second < 60; ++second)
        texts.append(pattern.arg(second, 2, 10, QLatin1Char('0')));
    return texts;
}

}

class TestTextPieces : public QObject {
    Q_OBJECT

private slots:
    void piecesGiveTheWholeLayout_data();
    void piecesGiveTheWholeLayout();
    void anotherFontDropsThePieces();
};

void TestTextPieces::piecesGiveTheWholeLayout_data()
{
    QTest::addColumn<QFont>("font");
    QTest::addColumn<QStringList>("texts");
    const QFont arial = fontOf("Arial", 150, true, false);
    QTest::newRow("arial bold, 12-hour") << arial << minuteOf("10:15:%1 AM") + minuteOf("12:47:%1 PM");
    QTest::newRow("arial, 24-hour") << fontOf("Arial", 72, false, false) << minuteOf("23:59:%1");
    QTest::newRow("serif italic") << fontOf("Liberation Serif", 120, false, true) << minuteOf("07:47:%1 PM");
    QTest::newRow("mono bold") << fontOf("Courier New", 100, true, false) << minuteOf("11:11:%1 AM");
    QTest::newRow("dejavu") << fontOf("DejaVu Sans", 90, false, false) << minuteOf("04:41:%1 AM");
    QTest::newRow("kerned and joined letters")
        << arial << QStringList { "AVATAR 10:15", "office fluffy", "To Ty Yo", "" };
    QTest::newRow("letters beyond the font")
        << arial
        << QStringList { QStringLiteral("10:15 \u0627\u0644\u0633\u0627\u0639\u0629"), QStringLiteral("\u6642 9"),
                         QStringLiteral("\U0001F550 10:15") };
    QTest::newRow("a locale's own markers")
        << arial
        << minuteOf(QStringLiteral("01:05:%1 \u5348\u5f8c")) + minuteOf(QStringLiteral("10:15:%1 \u03c0.\u03bc."));
    QFont spaced = arial;
    spaced.setLetterSpacing(QFont::AbsoluteSpacing, 7);
    QTest::newRow("letter spacing") << spaced << minuteOf("10:15:%1 AM");
    QFont underlined = arial;
    underlined.setUnderline(true);
    QTest::newRow("underlined") << underlined << minuteOf("10:15:%1 AM");
}

// Whatever the font and text, the pieces' line is the one the text engine lays out: the
// same glyphs of the same fonts at the same places, and the same advance.
void TestTextPieces::piecesGiveTheWholeLayout()
{
    QFETCH(QFont, font);
    QFETCH(QStringList, texts);
    TextPieces pieces;
    for (int pass = 0; pass < 2; ++pass) {
        for (const QString &text : std::as_const(texts)) {
            compareLines(pieces.layOut(text, font), TextPieces::layOutWhole(text, font));
            if (QTest::currentTestFailed())
                QFAIL(qPrintable(QStringLiteral("pass %1: \"%2\"").arg(pass).arg(text)));
        }
    }
}

void TestTextPieces::anotherFontDropsThePieces()
{
    TextPieces pieces;
    const QString text = QStringLiteral("10:15:42 AM");
    const QFont big = fontOf("Arial", 150, true, false);
    const QFont small = fontOf("Liberation Serif", 40, false, false);
    pieces.layOut(text, big);
    compareLines(pieces.layOut(text, small), TextPieces::layOutWhole(text, small));
    compareLines(pieces.layOut(text, big), TextPieces::layOutWhole(text, big));
}

QTEST_MAIN(TestTextPieces)
#include "tst_textpieces.moc"

#include "drawing/GlyphLine.h"
#include "drawing/GlyphTiles.h"
#include "drawing/TextPieces.h"

#include <QPainter>
#include <QTest>

namespace {

constexpr int stripWidth = 1920;
constexpr int stripHeight = 260;
constexpr int textX = 200;
const QPointF origin(textX, 0);

QImage blankStrip(qreal pixelRatio, const QColor &back)
{
    QImage image(QSize(stripWidth, stripHeight) * pixelRatio, QImage::Format_RGB32);
    image.setDevicePixelRatio(pixelRatio);
    image.fill(back);
    return image;
}

// The line drawn whole by filling its glyphs' outlines: the picture every drawing from
// tiles must match.
QImage outlinesOf(const GlyphLine &line, qreal pixelRatio, const QColor &fore, const QColor &back)
{
    QImage image = blankStrip(pixelRatio, back);
    QPainter painter(&image);
    painter.setPen(fore);
    line.drawOutlines(painter, origin, QRectF(image.rect()).translated(-origin));
    return image;
}

// The line drawn as the strip draws it (from tiles where they fit), whole or only the given
// area over an earlier picture, as the paint system does it: the area filled with the
// background, then drawn clipped to it.
QImage tilesOf(const GlyphLine &line, GlyphTiles &tiles, QImage picture, const QRect &area, const QColor &fore,
               const QColor &back)
{
    QPainter painter(&picture);
    painter.setClipRect(area);
    painter.fillRect(area, back);
    painter.setPen(fore);
    line.draw(painter, origin, QRectF(area).translated(-origin), tiles);
    return picture;
}

QFont fontOf(const QString &family, int points, bool bold, bool italic)
{
    QFont font(family, points);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

}

class TestGlyphLine : public QObject {
    Q_OBJECT

private slots:
    void repaintsMatchAWholeRedraw_data();
    void repaintsMatchAWholeRedraw();
    void tilesFollowFontAndColours_data();
    void tilesFollowFontAndColours();
    void everySecondDrawsFromTiles_data();
    void everySecondDrawsFromTiles();
    void widthIsTheTextsAdvance_data();
    void widthIsTheTextsAdvance();
};

void TestGlyphLine::repaintsMatchAWholeRedraw_data()
{
    QTest::addColumn<QFont>("font");
    QTest::addColumn<qreal>("pixelRatio");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("maxWidth");
    QTest::addColumn<bool>("fromTiles");
    const QFont arial = fontOf("Arial", 150, true, false);
    const QFont serifItalic = fontOf("Liberation Serif", 120, false, true);
    const QFont mono = fontOf("Courier New", 100, true, true);
    QFont underlined = arial;
    underlined.setUnderline(true);
    QTest::newRow("arial, one digit") << arial << 1.0 << "10:15:42 AM"
                                      << "10:15:43 AM" << 200 << true;
    QTest::newRow("arial, minute turns") << arial << 1.0 << "10:59:59 AM"
                                         << "11:00:00 AM" << 800 << true;
    QTest::newRow("arial, noon") << arial << 1.0 << "11:59:59 AM"
                                 << "12:00:00 PM" << stripWidth << true;
    QTest::newRow("arial, ones next to each other") << arial << 1.0 << "11:11:10 AM"
                                                    << "11:11:11 AM" << 200 << true;
    QTest::newRow("arial, twice the pixels") << arial << 2.0 << "10:15:42 AM"
                                             << "10:15:43 AM" << 200 << true;
    QTest::newRow("arial, one and a half pixels") << arial << 1.5 << "10:15:49 AM"
                                                  << "10:15:50 AM" << 400 << false;
    QTest::newRow("serif italic, leaning digit") << serifItalic << 1.0 << "07:47:17 PM"
                                                 << "07:47:18 PM" << 200 << false;
    QTest::newRow("serif italic, 24-hour") << serifItalic << 1.0 << "19:17"
                                           << "19:18" << 200 << true;
    QTest::newRow("mono bold italic") << mono << 1.0 << "23:59"
                                      << "00:00" << stripWidth << true;
    QTest::newRow("underlined, drawn whole") << underlined << 1.0 << "10:15:42 AM"
                                             << "10:15:43 AM" << stripWidth << false;
}

void TestGlyphLine::repaintsMatchAWholeRedraw()
{
    TextPieces pieces;
    QFETCH(QFont, font);
    QFETCH(qreal, pixelRatio);
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(int, maxWidth);
    QFETCH(bool, fromTiles);
    const QColor fore = Qt::white;
    const QColor back = Qt::black;
    GlyphTiles tiles;
    tiles.use(font, fore, back, pixelRatio);
    GlyphLine old;
    old.setText(before, font, pixelRatio, pieces);
    GlyphLine next;
    next.setText(after, font, pixelRatio, pieces);

    QCOMPARE(next.drawsFromTiles(), fromTiles);
    // Drawn whole as the strip draws it: the same picture as filling the outlines.
    const QImage whole = outlinesOf(next, pixelRatio, fore, back);
    const QRect everything(0, 0, stripWidth, stripHeight);
    QCOMPARE(tilesOf(next, tiles, blankStrip(pixelRatio, back), everything, fore, back), whole);

    // Repainting only what differs over the old picture gives the new one.
    const QRect area = next.differenceFrom(old).translated(origin).toAlignedRect();
    QVERIFY(!area.isEmpty());
    QVERIFY2(area.width() <= maxWidth, qPrintable(QStringLiteral("repainted %1 px").arg(area.width())));
    const QImage oldPicture = tilesOf(old, tiles, blankStrip(pixelRatio, back), everything, fore, back);
    QCOMPARE(tilesOf(next, tiles, oldPicture, area, fore, back), whole);
    QVERIFY(next.differenceFrom(next).isEmpty());
}

void TestGlyphLine::tilesFollowFontAndColours_data()
{
    QTest::addColumn<QFont>("font");
    QTest::addColumn<QColor>("fore");
    QTest::addColumn<QColor>("back");
    const QFont arial = fontOf("Arial", 150, true, false);
    QTest::newRow("same font and colours") << arial << QColor(Qt::white) << QColor(Qt::black);
    QTest::newRow("other fore colour") << arial << QColor(Qt::red) << QColor(Qt::black);
    QTest::newRow("other back colour") << arial << QColor(Qt::white) << QColor(0, 0, 128);
    QTest::newRow("smaller") << fontOf("Arial", 90, true, false) << QColor(Qt::white) << QColor(Qt::black);
    QTest::newRow("other face") << fontOf("Liberation Serif", 150, true, false) << QColor(Qt::white)
                                << QColor(Qt::black);
}

void TestGlyphLine::tilesFollowFontAndColours()
{
    TextPieces pieces;
    QFETCH(QFont, font);
    QFETCH(QColor, fore);
    QFETCH(QColor, back);
    const QString text = QStringLiteral("10:15:42 AM");
    const QRect everything(0, 0, stripWidth, stripHeight);
    // Tiles made for the clock's default look first, then asked for another.
    GlyphTiles tiles;
    const QFont arial = fontOf("Arial", 150, true, false);
    tiles.use(arial, Qt::white, Qt::black, 1.0);
    GlyphLine first;
    first.setText(text, arial, 1.0, pieces);
    tilesOf(first, tiles, blankStrip(1.0, Qt::black), everything, Qt::white, Qt::black);

    tiles.use(font, fore, back, 1.0);
    GlyphLine line;
    line.setText(text, font, 1.0, pieces);
    QCOMPARE(tilesOf(line, tiles, blankStrip(1.0, back), everything, fore, back), outlinesOf(line, 1.0, fore, back));
}

void TestGlyphLine::everySecondDrawsFromTiles_data()
{
    QTest::addColumn<QFont>("font");
    QTest::addColumn<QString>("minute");
    QTest::newRow("arial bold, morning") << fontOf("Arial", 150, true, false) << "10:15:%1 AM";
    QTest::newRow("arial bold, afternoon") << fontOf("Arial", 150, true, false) << "12:47:%1 PM";
    QTest::newRow("arial, small") << fontOf("Arial", 48, false, false) << "09:41:%1 PM";
    QTest::newRow("liberation serif, 24-hour") << fontOf("Liberation Serif", 150, false, false) << "14:44:%1";
}

// No second of the minute falls back to filling outlines: wide digits side by side ("44")
// and the blank before AM leave the tiles apart.
void TestGlyphLine::everySecondDrawsFromTiles()
{
    TextPieces pieces;
    QFETCH(QFont, font);
    QFETCH(QString, minute);
    const QColor fore = Qt::yellow;
    const QColor back = Qt::darkBlue;
    const QRect everything(0, 0, stripWidth, stripHeight);
    GlyphTiles tiles;
    tiles.use(font, fore, back, 1.0);
    for (int second = 0; second < 60; ++second) {
        const QString text = minute.arg(second, 2, 10, QLatin1Char('0'));
        GlyphLine line;
        line.setText(text, font, 1.0, pieces);
        QVERIFY2(line.drawsFromTiles(), qPrintable(text));
        QVERIFY2(tilesOf(line, tiles, blankStrip(1.0, back), everything, fore, back)
                     == outlinesOf(line, 1.0, fore, back),
                 qPrintable(text));
    }
}

void TestGlyphLine::widthIsTheTextsAdvance_data()
{
    QTest::addColumn<QFont>("font");
    QTest::addColumn<QString>("text");
    const QFont arial = fontOf("Arial", 150, true, false);
    QTest::newRow("12-hour") << arial << "10:15:42 AM";
    QTest::newRow("24-hour") << arial << "19:17";
    QTest::newRow("blank at both ends") << arial << " 9:05 PM ";
    QTest::newRow("empty") << arial << "";
    QTest::newRow("serif italic") << fontOf("Liberation Serif", 120, false, true) << "07:47:17 PM";
    QTest::newRow("mono, small") << fontOf("Courier New", 9, false, false) << "23:59:59";
    QTest::newRow("letters beyond the font")
        << arial << QStringLiteral("10:15 \u0627\u0644\u0633\u0627\u0639\u0629 \u6642");
}

// The clock centres its text by this width: it must be what the font's metrics give.
void TestGlyphLine::widthIsTheTextsAdvance()
{
    TextPieces pieces;
    QFETCH(QFont, font);
    QFETCH(QString, text);
    GlyphLine line;
    line.setText(text, font, 1.0, pieces);
    QCOMPARE(line.width(), QFontMetricsF(font).horizontalAdvance(text));
}

QTEST_MAIN(TestGlyphLine)
#include "tst_glyphline.moc"

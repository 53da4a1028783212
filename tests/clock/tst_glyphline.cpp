#include "clock/GlyphLine.h"

#include <QPainter>
#include <QTest>

namespace {

constexpr int stripWidth = 1920;
constexpr int stripHeight = 260;
constexpr int textX = 200;

QImage blankStrip()
{
    QImage image(stripWidth, stripHeight, QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
}

// The strip as a whole-line draw leaves it: the picture every repaint must match.
QImage drawnWhole(const QString &text, const QFont &font)
{
    QImage image = blankStrip();
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QPointF(textX, QFontMetricsF(font).ascent()), text);
    return image;
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
};

void TestGlyphLine::repaintsMatchAWholeRedraw_data()
{
    QTest::addColumn<QFont>("font");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("maxWidth");
    const QFont arial = fontOf("Arial", 150, true, false);
    const QFont serifItalic = fontOf("Liberation Serif", 120, false, true);
    const QFont mono = fontOf("Courier New", 100, true, true);
    QTest::newRow("arial, one digit") << arial << "10:15:42 AM" << "10:15:43 AM" << 200;
    QTest::newRow("arial, minute turns") << arial << "10:59:59 AM" << "11:00:00 AM" << 800;
    QTest::newRow("arial, noon") << arial << "11:59:59 AM" << "12:00:00 PM" << stripWidth;
    QTest::newRow("arial, ones next to each other") << arial << "11:11:10 AM" << "11:11:11 AM" << 200;
    QTest::newRow("serif italic, leaning digit") << serifItalic << "07:47:17 PM" << "07:47:18 PM" << 200;
    QTest::newRow("serif italic, 24-hour") << serifItalic << "19:17" << "19:18" << 200;
    QTest::newRow("mono bold italic") << mono << "23:59" << "00:00" << stripWidth;
}

void TestGlyphLine::repaintsMatchAWholeRedraw()
{
    QFETCH(QFont, font);
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(int, maxWidth);
    const QPointF origin(textX, 0);

    // Drawn whole from the glyphs: the same picture as drawing the text.
    QImage whole = blankStrip();
    {
        QPainter painter(&whole);
        painter.setPen(Qt::white);
        GlyphLine line;
        line.setText(after, font);
        line.draw(painter, origin, QRectF(whole.rect()).translated(-origin));
    }
    QCOMPARE(whole, drawnWhole(after, font));

    // Repainting only what differs over the old picture gives the new one, as the paint
    // system does it: the area filled with the background, then drawn clipped to it.
    GlyphLine old;
    old.setText(before, font);
    GlyphLine next;
    next.setText(after, font);
    const QRect area = next.differenceFrom(old).translated(origin).toAlignedRect();
    QVERIFY(!area.isEmpty());
    QVERIFY2(area.width() <= maxWidth, qPrintable(QStringLiteral("repainted %1 px").arg(area.width())));
    QImage repainted = drawnWhole(before, font);
    {
        QPainter painter(&repainted);
        painter.setClipRect(area);
        painter.fillRect(area, Qt::black);
        painter.setPen(Qt::white);
        next.draw(painter, origin, QRectF(area).translated(-origin));
    }
    QCOMPARE(repainted, drawnWhole(after, font));
    QVERIFY(next.differenceFrom(next).isEmpty());
}

QTEST_MAIN(TestGlyphLine)
#include "tst_glyphline.moc"

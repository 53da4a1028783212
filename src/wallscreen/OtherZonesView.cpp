#include "wallscreen/OtherZonesView.h"

#include "wallscreen/FitToScreen.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>

namespace {

// The places and differences: a little over half the time's size, at this share of its
// colour over the background.
constexpr double smallerShare = 0.55;
constexpr double smallerOpacity = 0.6;
constexpr double ruleOpacity = 0.35;

// The sun or moon mark: a square of this share of the smaller face's ascent, this share of
// the face's height before the difference.
constexpr double markShare = 0.75;
constexpr double markSpacing = 0.3;

double markWidth(const QFontMetricsF &metrics)
{
    return metrics.ascent() * markShare + metrics.height() * markSpacing;
}

// A sun (a disc and eight rays) or a crescent moon, filling square.
void drawMark(QPainter &painter, const QRectF &square, bool night)
{
    const QPointF centre = square.center();
    const double radius = square.width() / 2;
    painter.save();
    painter.setPen(Qt::NoPen);
    if (night) {
        QPainterPath moon;
        moon.addEllipse(centre, radius, radius);
        QPainterPath shadow;
        shadow.addEllipse(centre + QPointF(radius * 0.55, -radius * 0.3), radius * 0.85, radius * 0.85);
        painter.drawPath(moon.subtracted(shadow));
    } else {
        painter.drawEllipse(centre, radius * 0.5, radius * 0.5);
        painter.setPen(QPen(painter.brush(), std::max(1.0, radius / 6), Qt::SolidLine, Qt::RoundCap));
        for (int ray = 0; ray < 8; ++ray) {
            const QLineF line = QLineF::fromPolar(radius, ray * 45.0).translated(centre);
            painter.drawLine(QLineF(line.pointAt(0.7), line.p2()));
        }
    }
    painter.restore();
}

}

OtherZonesView::OtherZonesView(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

QFont OtherZonesView::smallerFont(const QFont &timeFont)
{
    QFont font = timeFont;
    font.setPointSize(std::max(1, qRound(timeFont.pointSize() * smallerShare)));
    font.setWeight(QFont::Normal);
    return font;
}

QSizeF OtherZonesView::largestFace(const QFont &timeFont, const QList<ZoneFace> &faces)
{
    const QFontMetricsF time(timeFont), smaller(smallerFont(timeFont));
    double width = 0;
    for (const ZoneFace &face : faces) {
        width = std::max(width, smaller.horizontalAdvance(face.place));
        for (const QString &text : FitToScreen::digitVariants(face.time))
            width = std::max(width, time.horizontalAdvance(text));
        width = std::max(width, markWidth(smaller) + smaller.horizontalAdvance(face.difference));
    }
    return QSizeF(width, time.height() + 2 * smaller.height());
}

void OtherZonesView::setFaces(const QList<ZoneFace> &faces)
{
    // Only the lines whose text changed are drawn again: a new minute changes the times alone.
    for (qsizetype i = 0; i < std::min(faces.size(), mLayout.cells.size()); ++i) {
        const bool drawn = i < mFaces.size();
        if (!drawn || faces[i].place != mFaces[i].place)
            update(placeArea(i));
        if (!drawn || faces[i].time != mFaces[i].time)
            update(timeArea(i));
        if (!drawn || faces[i].difference != mFaces[i].difference || faces[i].night != mFaces[i].night)
            update(differenceArea(i));
    }
    mFaces = faces;
}

void OtherZonesView::setArrangement(const OtherZonesLayout &layout, const QFont &face, const QString &key)
{
    mLayout = layout;
    mArrangedFor = key;
    QFont sized = face;
    sized.setPointSize(std::max(1, layout.points));
    setFont(sized);
    update();
}

QRect OtherZonesView::placeArea(qsizetype zone) const
{
    const QRect cell = mLayout.cells[zone];
    return QRect(cell.topLeft(), QSize(cell.width(), QFontMetrics(smallerFont(font())).height()));
}

QRect OtherZonesView::timeArea(qsizetype zone) const
{
    const QRect place = placeArea(zone);
    return QRect(place.bottomLeft() + QPoint(0, 1), QSize(place.width(), QFontMetrics(font()).height()));
}

QRect OtherZonesView::differenceArea(qsizetype zone) const
{
    const QRect time = timeArea(zone);
    return QRect(time.bottomLeft() + QPoint(0, 1), QPoint(time.right(), mLayout.cells[zone].bottom()));
}

QRectF OtherZonesView::differenceBounds(qsizetype zone) const
{
    const QFontMetricsF metrics(smallerFont(font()));
    const QRect area = differenceArea(zone);
    const double width = markWidth(metrics) + metrics.horizontalAdvance(mFaces[zone].difference);
    return QRectF(area.center().x() + 0.5 - width / 2, area.top(), width, metrics.height());
}

void OtherZonesView::drawDifference(QPainter &painter, qsizetype zone) const
{
    const ZoneFace &face = mFaces[zone];
    if (face.difference.isEmpty())
        return;
    const QFontMetricsF metrics(painter.font());
    const QRectF bounds = differenceBounds(zone);
    const double side = metrics.ascent() * markShare;
    const double baseline = bounds.top() + metrics.ascent();
    drawMark(painter, QRectF(bounds.left(), baseline - metrics.capHeight() / 2 - side / 2, side, side), face.night);
    painter.drawText(QPointF(bounds.left() + markWidth(metrics), baseline), face.difference);
}

void OtherZonesView::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor text = palette().color(QPalette::WindowText);
    painter.setPen(text);
    painter.setBrush(text);
    const qsizetype count = std::min(mFaces.size(), mLayout.cells.size());
    for (qsizetype i = 0; i < count; ++i) {
        if (event->region().intersects(timeArea(i)))
            painter.drawText(timeArea(i), Qt::AlignCenter, mFaces[i].time);
    }
    const QFont smaller = smallerFont(font());
    painter.setFont(smaller);
    if (count > 0 && mLayout.gap > 0) {
        // The rule spans the first row's cells, a hair thick.
        const qsizetype last = std::min(count, static_cast<qsizetype>(mLayout.columns)) - 1;
        const double y = mLayout.cells[0].top() - mLayout.gap / 2.0;
        painter.setOpacity(ruleOpacity);
        painter.setPen(QPen(text, std::max(1.0, QFontMetricsF(smaller).height() / 16)));
        painter.drawLine(QPointF(mLayout.cells[0].left(), y), QPointF(mLayout.cells[last].right() + 1, y));
    }
    painter.setOpacity(smallerOpacity);
    painter.setPen(text);
    for (qsizetype i = 0; i < count; ++i) {
        if (event->region().intersects(placeArea(i)))
            painter.drawText(placeArea(i), Qt::AlignCenter, mFaces[i].place);
        if (event->region().intersects(differenceArea(i)))
            drawDifference(painter, i);
    }
}

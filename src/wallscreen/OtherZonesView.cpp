#include "wallscreen/OtherZonesView.h"

#include <QPaintEvent>
#include <QPainter>

OtherZonesView::OtherZonesView(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
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
    return QRect(cell.topLeft(), QSize(cell.width(), cell.height() / 2));
}

QRect OtherZonesView::timeArea(qsizetype zone) const
{
    return placeArea(zone).translated(0, mLayout.cells[zone].height() / 2);
}

void OtherZonesView::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    const auto draw = [&](const QRect &area, const QString &text) {
        if (event->region().intersects(area))
            painter.drawText(area, Qt::AlignCenter, text);
    };
    for (qsizetype i = 0; i < std::min(mFaces.size(), mLayout.cells.size()); ++i) {
        draw(placeArea(i), mFaces[i].place);
        draw(timeArea(i), mFaces[i].time);
    }
}

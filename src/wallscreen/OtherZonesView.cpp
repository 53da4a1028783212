#include "wallscreen/OtherZonesView.h"

#include <QPainter>

OtherZonesView::OtherZonesView(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void OtherZonesView::setFaces(const QList<ZoneFace> &faces)
{
    mFaces = faces;
    update();
}

void OtherZonesView::setArrangement(const OtherZonesLayout &layout, const QFont &face)
{
    mLayout = layout;
    QFont sized = face;
    sized.setPointSize(std::max(1, layout.points));
    setFont(sized);
    update();
}

void OtherZonesView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    const qsizetype count = std::min(mFaces.size(), mLayout.cells.size());
    for (qsizetype i = 0; i < count; ++i) {
        const QRect cell = mLayout.cells[i];
        const QRect top(cell.topLeft(), QSize(cell.width(), cell.height() / 2));
        painter.drawText(top, Qt::AlignCenter, mFaces[i].place);
        painter.drawText(top.translated(0, top.height()), Qt::AlignCenter, mFaces[i].time);
    }
}

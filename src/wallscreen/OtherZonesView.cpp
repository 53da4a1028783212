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
    // Only the cells whose text changed are drawn again.
    for (qsizetype i = 0; i < std::min(faces.size(), mLayout.cells.size()); ++i) {
        if (i >= mFaces.size() || faces[i] != mFaces[i])
            update(mLayout.cells[i]);
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

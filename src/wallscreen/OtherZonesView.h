#pragma once

#include "wallscreen/OtherZonesLayout.h"
#include "wallscreen/ZoneFace.h"

#include <QWidget>

// The other zones under the clock's time, each centred in its cell: its place in a smaller,
// lighter, dimmer face over its time, and under that a sun or moon mark before its difference
// in the place's face. A thin rule in the gap over the cells parts them from the time's own
// lines. In the palette's text colour; mouse input goes past it to the clock.
class OtherZonesView : public QWidget {
    Q_OBJECT

public:
    explicit OtherZonesView(QWidget *parent);

    const QList<ZoneFace> &faces() const { return mFaces; }
    void setFaces(const QList<ZoneFace> &faces);
    // The cells to draw in, and the face (family and style) of the time at the layout's size;
    // key names what the layout was made for, so that it is made again only when that changes.
    void setArrangement(const OtherZonesLayout &layout, const QFont &face, const QString &key);
    const OtherZonesLayout &arrangement() const { return mLayout; }
    const QString &arrangedFor() const { return mArrangedFor; }

    // The face of the places and differences beside a time's face.
    static QFont smallerFont(const QFont &timeFont);
    // The size of the largest of the faces with times in timeFont, whichever digits they show.
    static QSizeF largestFace(const QFont &timeFont, const QList<ZoneFace> &faces);
    // Where a zone's place, time and difference go in its cell.
    QRect placeArea(qsizetype zone) const;
    QRect timeArea(qsizetype zone) const;
    QRect differenceArea(qsizetype zone) const;
    // Where the mark and the difference are drawn in their area.
    QRectF differenceBounds(qsizetype zone) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void drawDifference(QPainter &painter, qsizetype zone) const;

    QList<ZoneFace> mFaces;
    OtherZonesLayout mLayout;
    QString mArrangedFor;
};

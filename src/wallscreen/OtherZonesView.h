#pragma once

#include "wallscreen/OtherZonesLayout.h"
#include "wallscreen/ZoneFace.h"

#include <QWidget>

// The other zones under the clock's time, each place over its time, centred in its cell,
// in the palette's text colour. Mouse input goes past it to the clock.
class OtherZonesView : public QWidget {
    Q_OBJECT

public:
    explicit OtherZonesView(QWidget *parent);

    const QList<ZoneFace> &faces() const { return mFaces; }
    void setFaces(const QList<ZoneFace> &faces);
    // The cells to draw in, and the face (family and style) of the time at the layout's size.
    void setArrangement(const OtherZonesLayout &layout, const QFont &face);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<ZoneFace> mFaces;
    OtherZonesLayout mLayout;
};

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
    // The cells to draw in, and the face (family and style) of the time at the layout's size;
    // key names what the layout was made for, so that it is made again only when that changes.
    void setArrangement(const OtherZonesLayout &layout, const QFont &face, const QString &key);
    const OtherZonesLayout &arrangement() const { return mLayout; }
    const QString &arrangedFor() const { return mArrangedFor; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // Where a zone's place and its time are drawn.
    QRect placeArea(qsizetype zone) const;
    QRect timeArea(qsizetype zone) const;

    QList<ZoneFace> mFaces;
    OtherZonesLayout mLayout;
    QString mArrangedFor;
};

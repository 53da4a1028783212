#pragma once

#include <QComboBox>

// The drop-down list that picks a zone to add: the zone catalogue's entries sorted by their
// text as the panel's list shows them, each carrying its place in the catalogue, and searched
// as the panel's list is.
class ZonePicker : public QComboBox {
    Q_OBJECT

public:
    explicit ZonePicker(QWidget *parent);

    // The identifier of the zone picked; empty when none is.
    QByteArray pickedZone() const;
};

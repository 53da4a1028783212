#pragma once

#include <QComboBox>

// The search field with a drop-down list that picks a zone to add: the zone catalogue's
// entries sorted by their text as the panel's list shows them, each carrying its place in
// the catalogue, and searched as the panel's list is. It starts empty, nothing picked, and
// says what to type. Leaving the field with a search picks the search's first match.
class ZonePicker : public QComboBox {
    Q_OBJECT

public:
    explicit ZonePicker(QWidget *parent);

    // The identifier of the zone picked; empty when none is.
    QByteArray pickedZone() const;
    // The zone Add would add: the one picked while its text shows, else the first match of
    // the text typed; empty when nothing is typed or nothing matches.
    QByteArray zoneToAdd() const;

signals:
    // A match of the search was chosen (Enter, or a click on it); it is the one picked.
    void matchChosen();

private:
    // The list position of the search's first match; -1 when nothing is typed or nothing
    // matches.
    int firstMatchPosition() const;
    QByteArray zoneAt(int position) const;
};

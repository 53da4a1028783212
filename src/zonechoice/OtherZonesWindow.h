#pragma once

#include "wallscreen/OtherZoneList.h"

#include <QByteArrayList>
#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class ZonePicker;

// The small window of the clock's "Other zones…": the zones shown under the time, in order,
// with Add (from the picker), Remove, Move up and Move down, at most eight, and a label of
// the selected zone's own. Enter in the picker's search adds its first match and empties
// the search for the next. Each change is signalled at once; the clock stores and shows it.
class OtherZonesWindow : public QDialog {
    Q_OBJECT

public:
    OtherZonesWindow(const OtherZoneList::Entries &entries, QWidget *parent);

    QByteArrayList zones() const;
    // The zones with their labels.
    OtherZoneList::Entries entries() const;

    ZonePicker *picker;
    QListWidget *list;
    QPushButton *add;
    // Why Add cannot add, beside it; empty when it can.
    QLabel *whyNotAdd;
    QPushButton *remove;
    QPushButton *moveUp;
    QPushButton *moveDown;
    QLineEdit *label;

signals:
    void zonesChanged(const QByteArrayList &zones);

private:
    void addZone(const QByteArray &zone, const QString &zoneLabel = {});
    void addPicked();
    void removeSelected();
    // Moves the selected zone by step places.
    void moveSelected(int step);
    void changed();
    void enableButtons();
    // The selected zone's label in the field; an empty, disabled field when none is selected.
    void showLabel();
    void labelSelected(const QString &text);
    // The zone's label, shown in its line of the list.
    void nameItem(QListWidgetItem &item, const QString &text);

    static constexpr int labelRole = Qt::UserRole + 1;
};

#pragma once

#include <QByteArrayList>
#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;
class ZonePicker;

// The small window of the clock's "Other zones…": the zones shown under the time, in order,
// with Add (from the picker), Remove, Move up and Move down, at most eight. Enter in the
// picker's search adds its first match and empties the search for the next. Each change is
// signalled at once; the clock stores and shows it.
class OtherZonesWindow : public QDialog {
    Q_OBJECT

public:
    OtherZonesWindow(const QByteArrayList &zones, QWidget *parent);

    QByteArrayList zones() const;

    ZonePicker *picker;
    QListWidget *list;
    QPushButton *add;
    // Why Add cannot add, beside it; empty when it can.
    QLabel *whyNotAdd;
    QPushButton *remove;
    QPushButton *moveUp;
    QPushButton *moveDown;

signals:
    void zonesChanged(const QByteArrayList &zones);

private:
    void addZone(const QByteArray &zone);
    void addPicked();
    void removeSelected();
    // Moves the selected zone by step places.
    void moveSelected(int step);
    void changed();
    void enableButtons();
};

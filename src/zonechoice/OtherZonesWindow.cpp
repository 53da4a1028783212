#include "zonechoice/OtherZonesWindow.h"

#include "dressing/FocusNeighbours.h"
#include "zonechoice/ZoneAddRefusal.h"
#include "zonechoice/ZoneListText.h"
#include "zonechoice/ZonePicker.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

OtherZonesWindow::OtherZonesWindow(const OtherZoneList::Entries &entries, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Other zones"));
    // The clock hides its pointer when it rests; here it shows.
    setCursor(Qt::ArrowCursor);
    picker = new ZonePicker(this);
    auto *pickerLabel = new QLabel(tr("&Zone to add:"), this);
    pickerLabel->setBuddy(picker);
    list = new QListWidget(this);
    list->setAccessibleName(tr("Zones shown"));
    add = new QPushButton(tr("Add"), this);
    whyNotAdd = new QLabel(this);
    remove = new QPushButton(tr("Remove"), this);
    moveUp = new QPushButton(tr("Move up"), this);
    moveDown = new QPushButton(tr("Move down"), this);
    label = new QLineEdit(this);
    label->setAccessibleName(tr("Label of the selected zone"));
    label->setMaxLength(int(OtherZoneList::longestLabel));
    auto *labelCaption = new QLabel(tr("&Label (shown in place of the city):"), this);
    labelCaption->setBuddy(label);
    auto *close = new QDialogButtonBox(QDialogButtonBox::Close, this);
    auto *grid = new QGridLayout(this);
    // The reason Add gives stands over it, on the line of the picker's label.
    auto *heading = new QHBoxLayout;
    heading->addWidget(pickerLabel);
    heading->addStretch();
    heading->addWidget(whyNotAdd);
    grid->addLayout(heading, 0, 0, 1, 2);
    grid->addWidget(picker, 1, 0);
    grid->addWidget(add, 1, 1);
    grid->addWidget(list, 2, 0, 4, 1);
    grid->addWidget(remove, 2, 1);
    grid->addWidget(moveUp, 3, 1);
    grid->addWidget(moveDown, 4, 1);
    grid->addWidget(labelCaption, 6, 0, 1, 2);
    grid->addWidget(label, 7, 0, 1, 2);
    grid->addWidget(close, 8, 0, 1, 2);
    // A button that its own click disables (Move up at the top) hands the focus to another
    // button here, not to Close.
    FocusNeighbours::keepFocusInGroup({ add, remove, moveUp, moveDown });
    // Tab from the search reaches Add, beside it.
    setTabOrder(picker, add);
    for (const OtherZoneList::Entry &entry : entries)
        addZone(entry.zone, entry.label);
    connect(add, &QPushButton::clicked, this, &OtherZonesWindow::addPicked);
    connect(remove, &QPushButton::clicked, this, &OtherZonesWindow::removeSelected);
    connect(moveUp, &QPushButton::clicked, this, [this] { moveSelected(-1); });
    connect(moveDown, &QPushButton::clicked, this, [this] { moveSelected(1); });
    connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list, &QListWidget::currentRowChanged, this, &OtherZonesWindow::enableButtons);
    connect(picker, &QComboBox::currentIndexChanged, this, &OtherZonesWindow::enableButtons);
    connect(picker, &QComboBox::currentTextChanged, this, &OtherZonesWindow::enableButtons);
    connect(picker, &ZonePicker::matchChosen, this, &OtherZonesWindow::addPicked);
    connect(list, &QListWidget::currentRowChanged, this, &OtherZonesWindow::showLabel);
    connect(label, &QLineEdit::textEdited, this, &OtherZonesWindow::labelSelected);
    showLabel();
    enableButtons();
}

QByteArrayList OtherZonesWindow::zones() const
{
    QByteArrayList zones;
    for (int row = 0; row < list->count(); ++row)
        zones.append(list->item(row)->data(Qt::UserRole).toByteArray());
    return zones;
}

OtherZoneList::Entries OtherZonesWindow::entries() const
{
    OtherZoneList::Entries entries;
    for (int row = 0; row < list->count(); ++row)
        entries.append(
            { list->item(row)->data(Qt::UserRole).toByteArray(), list->item(row)->data(labelRole).toString() });
    return entries;
}

void OtherZonesWindow::showLabel()
{
    const QListWidgetItem *item = list->currentItem();
    label->setEnabled(item != nullptr);
    label->setText(item ? item->data(labelRole).toString() : QString());
}

void OtherZonesWindow::labelSelected(const QString &text)
{
    if (QListWidgetItem *item = list->currentItem()) {
        nameItem(*item, OtherZoneList::cleanLabel(text));
        changed();
    }
}

void OtherZonesWindow::nameItem(QListWidgetItem &item, const QString &text)
{
    item.setData(labelRole, text);
    item.setText(zoneListText(item.data(Qt::UserRole).toByteArray(), text));
}

void OtherZonesWindow::addZone(const QByteArray &zone, const QString &zoneLabel)
{
    auto *item = new QListWidgetItem(list);
    item->setData(Qt::UserRole, zone);
    nameItem(*item, zoneLabel);
}

void OtherZonesWindow::addPicked()
{
    // A match chosen that cannot be added stays picked, with the reason beside Add.
    const QByteArray zone = picker->zoneToAdd();
    if (zone.isEmpty() || !whyZoneCannotBeAdded(zones(), zone).isEmpty())
        return;
    addZone(zone);
    picker->setCurrentIndex(-1);
    list->setCurrentRow(list->count() - 1);
    changed();
}

void OtherZonesWindow::removeSelected()
{
    delete list->takeItem(list->currentRow());
    changed();
}

void OtherZonesWindow::moveSelected(int step)
{
    const int row = list->currentRow();
    list->insertItem(row + step, list->takeItem(row));
    list->setCurrentRow(row + step);
    changed();
}

void OtherZonesWindow::changed()
{
    enableButtons();
    emit zonesChanged(zones());
}

void OtherZonesWindow::enableButtons()
{
    const int row = list->currentRow();
    const QByteArray zone = picker->zoneToAdd();
    const QString refusal = whyZoneCannotBeAdded(zones(), zone);
    add->setEnabled(!zone.isEmpty() && refusal.isEmpty());
    whyNotAdd->setText(refusal);
    // Screen readers hear it with the button.
    add->setAccessibleDescription(refusal);
    remove->setEnabled(row >= 0);
    moveUp->setEnabled(row > 0);
    moveDown->setEnabled(row >= 0 && row < list->count() - 1);
}

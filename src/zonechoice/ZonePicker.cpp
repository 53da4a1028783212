#include "zonechoice/ZonePicker.h"

#include "timezones/modTimeZones.h"
#include "zonechoice/TimeZoneSelector.h"
#include "zonechoice/ZoneListFilter.h"

#include <QAbstractProxyModel>
#include <QCompleter>
#include <QLineEdit>

ZonePicker::ZonePicker(QWidget *parent)
    : QComboBox(parent)
{
    for (qsizetype i = 0; i < modTimeZones::TimeZoneList.size(); ++i) {
        const int position = TimeZoneSelector::addSortedItem(*this, modTimeZones::TimeZoneList[i].Display);
        setItemData(position, static_cast<int>(i));
    }
    setEditable(true);
    lineEdit()->setPlaceholderText(tr("City, country or UTC offset"));
    // Before the search's own handling, which gives a search left unchosen up for the picked
    // zone's text: a search that matches is not lost by moving on to Add.
    connect(lineEdit(), &QLineEdit::editingFinished, this, [this] {
        if (const int first = firstMatchPosition(); first >= 0)
            setCurrentIndex(first);
    });
    // Searched as the panel's list is: typed names, countries and old names.
    ZoneListFilter::attach(*this);
    // The list has picked the match by then; told once the completer has also put the
    // match's text in the field.
    connect(completer(), qOverload<const QModelIndex &>(&QCompleter::activated), this, &ZonePicker::matchChosen,
            Qt::QueuedConnection);
    setCurrentIndex(-1);
}

QByteArray ZonePicker::pickedZone() const
{
    return zoneAt(currentIndex());
}

QByteArray ZonePicker::zoneToAdd() const
{
    const bool pickedShows = currentIndex() >= 0 && currentText() == itemText(currentIndex());
    return zoneAt(pickedShows ? currentIndex() : firstMatchPosition());
}

int ZonePicker::firstMatchPosition() const
{
    if (currentText().isEmpty() || currentText() == itemText(currentIndex()))
        return -1;
    // The search's matches, best first, as rows of the list (RankedZonesModel); they follow
    // each edit of the text. The row saying that nothing matches maps to none.
    const auto &matches = *qobject_cast<const QAbstractProxyModel *>(completer()->model());
    return matches.mapToSource(matches.index(0, 0)).row();
}

QByteArray ZonePicker::zoneAt(int position) const
{
    const QVariant index = itemData(position);
    return index.isValid() ? modTimeZones::TimeZoneKeys.value(index.toInt()) : QByteArray();
}

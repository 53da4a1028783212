#include "zonechoice/ZonePicker.h"

#include "timezones/modTimeZones.h"
#include "zonechoice/TimeZoneSelector.h"
#include "zonechoice/ZoneListFilter.h"

ZonePicker::ZonePicker(QWidget *parent)
    : QComboBox(parent)
{
    for (qsizetype i = 0; i < modTimeZones::TimeZoneList.size(); ++i) {
        const int position = TimeZoneSelector::addSortedItem(*this, modTimeZones::TimeZoneList[i].Display);
        setItemData(position, static_cast<int>(i));
    }
    // Searched as the panel's list is: typed names, countries and old names.
    ZoneListFilter::attach(*this);
}

QByteArray ZonePicker::pickedZone() const
{
    const QVariant position = currentData();
    return position.isValid() ? modTimeZones::TimeZoneKeys.value(position.toInt()) : QByteArray();
}

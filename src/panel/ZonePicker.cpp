#include "panel/ZonePicker.h"

#include "panel/TimeZoneSelector.h"
#include "timezones/modTimeZones.h"

ZonePicker::ZonePicker(QWidget *parent)
    : QComboBox(parent)
{
    for (qsizetype i = 0; i < modTimeZones::TimeZoneList.size(); ++i) {
        const int position = TimeZoneSelector::addSortedItem(*this, modTimeZones::TimeZoneList[i].Display);
        setItemData(position, modTimeZones::TimeZoneKeys[i]);
    }
}

QByteArray ZonePicker::pickedZone() const
{
    return currentData().toByteArray();
}

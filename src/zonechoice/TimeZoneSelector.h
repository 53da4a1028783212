#pragma once

class QComboBox;
class QString;

// The sorted drop-down list behind Combo1: items kept in case-insensitive
// order of their text, each carrying a 32-bit item data.
namespace TimeZoneSelector {

// Adds an item at its sorted place (after items that compare equal) and returns that
// position.
int addSortedItem(QComboBox &list, const QString &text);

// The item data of a position as a 32-bit integer; "Invalid property value" when the
// position names no item.
int itemData(const QComboBox &list, int position);
void setItemData(QComboBox &list, int position, int data);

// Selects a position, -1 for none; a position the list does not hold is refused with
// "Invalid property value" and the selection stays.
void selectPosition(QComboBox &list, int position);

}

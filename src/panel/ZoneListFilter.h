#pragma once

class QComboBox;

// Typing in the time zone list offers the zones whose text holds what was typed; choosing
// one of them selects its list item, exactly as choosing it from the full list does. The
// list's items, their order and its selection events are untouched, and typing never
// adds an item: a text left unchosen gives way to the selected item's text again.
namespace ZoneListFilter {

void attach(QComboBox &list);

}

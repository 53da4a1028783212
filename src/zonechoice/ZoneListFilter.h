#pragma once

class QComboBox;

// Typing in a time zone list (whose item data are catalogue indices) offers the zones that
// match, best first (RankedZonesModel). Enter chooses the one highlighted, else the first;
// a zone chosen selects its list item exactly as choosing it from the full list does.
// Escape closes the matches and puts the selected zone's text back. The list's items, their
// order and its selection events are untouched, and typing never adds an item: a text left
// unchosen gives way to the selected item's text again. The wheel does not change the zone
// of the closed list.
namespace ZoneListFilter {

void attach(QComboBox &list);

}

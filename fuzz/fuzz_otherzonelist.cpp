// The "Other Zones" text: any stored text reads as entries that are written back and read
// again unchanged, labels with commas, '=' and '%' included; a label is one line no longer
// than the limit, without controls.
#include "wallscreen/OtherZoneList.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const OtherZoneList::Entries entries = OtherZoneList::fromText(text);
    for (const OtherZoneList::Entry &entry : entries) {
        if (entry.zone.isEmpty() || entry.zone.contains(',') || entry.zone.contains('=')
            || entry.label != OtherZoneList::cleanLabel(entry.label) || entry.label.size() > OtherZoneList::longestLabel
            || std::any_of(entry.label.cbegin(), entry.label.cend(),
                           [](QChar c) { return c.category() == QChar::Other_Control; }))
            std::abort();
    }
    const QString written = OtherZoneList::toText(entries);
    if (OtherZoneList::fromText(written) != entries
        || OtherZoneList::toText(OtherZoneList::fromText(written)) != written)
        std::abort();
    const auto known = [](const QByteArray &zone) { return zone.size() % 2 == 0; };
    const OtherZoneList::Entries shown = OtherZoneList::shown(entries, known);
    if (shown.size() > OtherZoneList::most || OtherZoneList::afterEdit(shown, entries, known).size() < shown.size())
        std::abort();
    return 0;
}

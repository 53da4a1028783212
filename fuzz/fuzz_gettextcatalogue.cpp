// Message catalogues (.mo files) of any bytes: the reader gives translations or refuses the
// whole file, gives no entry of an empty text nor of a text longer than a catalogue of names
// holds, and accepts no catalogue whose entries claim more text than its bytes hold (entries
// sharing their text), which would make its work grow past its size.
#include "timezones/GettextCatalogue.h"

#include <QtEndian>
#include <cstdint>
#include <cstdlib>

namespace {

// The bytes the texts of both tables claim with their NULs, one entry at a time; the reader
// has checked that the header and the tables lie inside.
quint64 claimedTextBytes(const uint8_t *data)
{
    const bool big = qFromBigEndian<quint32>(data) == 0x950412de;
    const auto number = [data, big](quint64 at) {
        return big ? qFromBigEndian<quint32>(data + at) : qFromLittleEndian<quint32>(data + at);
    };
    const quint32 count = number(8);
    quint64 total = 0;
    for (const quint64 table : { number(12), number(16) }) {
        for (quint32 i = 0; i < count; ++i)
            total += quint64(number(table + 8 * quint64(i))) + 1;
    }
    return total;
}

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const std::optional<GettextCatalogue::Translations> translations = GettextCatalogue::parse(bytes);
    if (!translations)
        return 0;
    constexpr qsizetype longestText = 4096;
    for (auto entry = translations->cbegin(); entry != translations->cend(); ++entry) {
        if (entry.key().isEmpty() || entry.value().isEmpty() || entry.key().size() > longestText
            || entry.value().size() > longestText)
            std::abort();
    }
    if (claimedTextBytes(data) > size)
        std::abort();
    return 0;
}

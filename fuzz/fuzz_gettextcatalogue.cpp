// Message catalogues (.mo files) of any bytes: the reader gives translations or refuses the
// whole file, and gives no entry of an empty text.
#include "timezones/GettextCatalogue.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const std::optional<GettextCatalogue::Translations> translations = GettextCatalogue::parse(bytes);
    if (!translations)
        return 0;
    for (auto entry = translations->cbegin(); entry != translations->cend(); ++entry) {
        if (entry.key().isEmpty() || entry.value().isEmpty())
            std::abort();
    }
    return 0;
}

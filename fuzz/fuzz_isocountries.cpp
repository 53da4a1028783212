// iso-codes' country lists of any bytes: the reader gives countries with two-letter codes
// and names, or refuses the whole file.
#include "timezones/IsoCountries.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView json(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const std::optional<IsoCountries::Countries> countries = IsoCountries::parse(json);
    if (!countries)
        return 0;
    for (auto country = countries->cbegin(); country != countries->cend(); ++country) {
        if (country.key().size() != 2 || country.value().name.isEmpty())
            std::abort();
    }
    return 0;
}

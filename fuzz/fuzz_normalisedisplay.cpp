// Display-name normalising takes any text and gives a display text with its tag.
#include "timezones/modTimeFunctions.h"

#include <QString>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString display = QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QString normalised = modTimeFunctions::NormaliseDisplay(display);
    if (!normalised.startsWith(QLatin1Char('(')) || !normalised.contains(QLatin1String(") ")))
        std::abort();
    return 0;
}

// Zone files of any bytes: refused whole without allocating what their counts claim, or
// read into rules that hold at every instant.
#include "ZoneRulesChecks.h"
#include "timezones/ZoneRules.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::optional<ZoneRules> rules
        = ZoneRules::fromZoneFile(QByteArrayView(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)));
    if (rules)
        checkZoneRules(*rules);
    return 0;
}

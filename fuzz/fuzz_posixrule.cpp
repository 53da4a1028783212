// TZ rules of any text ("CET-1CEST,M3.5.0,M10.5.0/3"), as a zone file's last line or the TZ
// variable gives them: refused, or rules that hold at every instant without overflowing.
#include "ZoneRulesChecks.h"
#include "timezones/PosixZoneRule.h"
#include "timezones/ZoneRules.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::optional<PosixZoneRule> rule
        = PosixZoneRule::parse(QByteArrayView(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)));
    if (rule)
        checkZoneRules(ZoneRules::fromRule(*rule));
    return 0;
}

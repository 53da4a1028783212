#include "ZoneRulesChecks.h"

#include "timezones/ZoneRules.h"

#include <cstdlib>
#include <limits>

namespace {

bool plausible(int offset)
{
    return offset >= -89999 && offset <= 93599;
}

}

void checkZoneRules(const ZoneRules &rules)
{
    constexpr qint64 first = std::numeric_limits<qint64>::min();
    constexpr qint64 last = std::numeric_limits<qint64>::max();
    for (qint64 instant :
         { first, -(qint64(1) << 59), qint64(-1) << 31, qint64(0), qint64(1) << 31, qint64(1) << 50, last }) {
        // A few changes from each instant on.
        for (int step = 0; step < 4; ++step) {
            const int offset = rules.offsetAt(instant);
            const ZonePeriod period = rules.periodAt(instant);
            if (!plausible(offset) || period.offset != offset || !plausible(period.standardOffset)
                || (!period.daylight && period.standardOffset != offset))
                std::abort();
            const std::optional<qint64> next = rules.nextChange(instant);
            if (!next)
                break;
            if (*next <= instant || rules.offsetAt(*next) == offset)
                std::abort();
            instant = *next;
        }
    }
}

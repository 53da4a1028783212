#include "clock/ScreenChoice.h"

namespace ScreenChoice {

qsizetype find(const QList<ScreenIdentity> &connected, const ScreenIdentity &wanted)
{
    const auto indexWhere = [&](auto matches) -> qsizetype {
        for (qsizetype i = 0; i < connected.size(); ++i) {
            if (matches(connected[i]))
                return i;
        }
        return -1;
    };
    const auto sameMonitor = [&](const ScreenIdentity &screen) { return screen.isSameMonitor(wanted); };
    const auto sameConnector
        = [&](const ScreenIdentity &screen) { return !wanted.name.isEmpty() && screen.name == wanted.name; };
    if (const qsizetype i = indexWhere([&](const ScreenIdentity &s) { return sameMonitor(s) && sameConnector(s); });
        i >= 0)
        return i;
    if (const qsizetype i = indexWhere(sameMonitor); i >= 0)
        return i;
    return indexWhere(sameConnector);
}

qsizetype choose(const QList<ScreenIdentity> &connected, qsizetype primary, const ScreenIdentity &wanted)
{
    if (const qsizetype i = find(connected, wanted); i >= 0)
        return i;
    if (primary >= 0 && primary < connected.size())
        return primary;
    return connected.isEmpty() ? -1 : 0;
}

}

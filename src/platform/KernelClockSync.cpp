#include "platform/KernelClockSync.h"

#include <sys/timex.h>

namespace KernelClockSync {

std::optional<bool> synchronised()
{
    timex state {};
    if (adjtimex(&state) < 0)
        return std::nullopt;
    return state.maxerror < unsynchronisedFrom;
}

}

#include "base/KeepAwakeMeans.h"

namespace KeepAwakeMeans {

Chosen choose(const Offered &offered)
{
    Chosen chosen;
    chosen.suspendScreenSaver = offered.x11 && offered.screenSaverSuspend;
    chosen.resetScreenSaver = offered.x11;
    // Quietly nothing where the session has no such service.
    chosen.reportActivity = true;
    // Without the extension and without the session's service, a screen locker that watches
    // the input devices sees no activity but a key: the key then, unless a screen reader
    // would speak it.
    chosen.rightShift
        = offered.x11 && !offered.screenSaverSuspend && !offered.idleInhibited && !offered.assistiveTechnology;
    return chosen;
}

}

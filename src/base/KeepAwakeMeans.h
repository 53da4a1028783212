#pragma once

// Which means keep the computer awake while the clock is shown, from what the session offers.
// The spec presses the right Shift key every 59 seconds; a screen reader speaks each press
// ("right shift"), so the key is only the last resort: where no other means exists, and
// never while an assistive technology listens.
namespace KeepAwakeMeans {

// What the session offers, as the platform finds it.
struct Offered {
    // An X11 display: synthetic keys and the core request that resets the screen saver's
    // idle timer (XResetScreenSaver) exist there.
    bool x11 = false;
    // The X server's MIT-SCREEN-SAVER extension (1.1 or later): the screen saver and DPMS
    // can be suspended while the clock shows (XScreenSaverSuspend).
    bool screenSaverSuspend = false;
    // The session's org.freedesktop.ScreenSaver service holds the clock's idle inhibition.
    bool idleInhibited = false;
    // An assistive technology listens on the accessibility bus (a screen reader, which
    // would speak every synthetic key).
    bool assistiveTechnology = false;
};

struct Chosen {
    // Held from the clock's showing to its closing.
    bool suspendScreenSaver = false;
    // At each keep-awake tick: reset the X server's idle timer, tell the session's screen
    // saver service that the system is in use, press and release the right Shift key.
    bool resetScreenSaver = false;
    bool reportActivity = false;
    bool rightShift = false;
};

Chosen choose(const Offered &offered);

}

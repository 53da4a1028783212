#pragma once

// Before the application object exists: window contents go to the X server through the
// connection instead of shared memory. With shared memory, Qt waits for a round trip to
// the server before it paints over an area the server may still be reading, which wakes
// the X event reader and the window thread again at every change of the clock.
void sendWindowContentsThroughTheConnection();

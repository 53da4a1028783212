#pragma once

// Before the application object exists: window contents go to the X server through the
// connection instead of shared memory. With shared memory, Qt waits for a round trip to
// the server before it paints over an area the server may still be reading, which wakes
// the X event reader and the window thread again at every change of the clock.
void sendWindowContentsThroughTheConnection();

// After the application object exists: the X connection's send buffer is widened to hold
// several changed digits. The kernel takes a socket as writable only while less than a
// quarter of its buffer is unread, so with the default buffer xcb waits, asleep, for the
// server to read each 60 KB repaint before it sends the request behind it.
void widenTheDisplaysSendBuffer();

#pragma once

// After the application object exists: the X connection's send buffer is widened to hold
// a changed digit. Where the server takes no shared memory (a remote display), window
// contents go through the connection; the kernel takes a socket as writable only while
// less than a quarter of its buffer is unread, so with the default buffer xcb would wait,
// asleep, for the server to read each 60 KB repaint before sending the request behind it.
void widenTheDisplaysSendBuffer();

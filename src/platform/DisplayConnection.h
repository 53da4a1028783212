#pragma once

struct xcb_connection_t;

// The application's connection to its X display; null before the application object
// exists and on another platform.
xcb_connection_t *applicationsXcbConnection();

// After the application object exists: the X connection's send buffer is widened to hold
// a changed digit. The clock sends its changed digits through the connection; the kernel
// takes a socket as writable only while less than a quarter of its buffer is unread, so
// with the default buffer xcb would wait, asleep, for the server to read each 60 KB
// picture before sending the request behind it.
void widenTheDisplaysSendBuffer();

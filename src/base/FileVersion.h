#pragma once

#include <QString>

#include <sys/types.h>
#include <tuple>

// What tells one version of a file from another: device, inode, size, change time. A file
// renamed over another has another inode; one rewritten in place, another change time.
using FileVersion = std::tuple<dev_t, ino_t, off_t, qint64>;

// The version of the file at path (links followed); all zero when there is no such file.
FileVersion fileVersion(const QString &path);

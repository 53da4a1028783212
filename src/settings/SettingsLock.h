#pragma once

#include <QString>
#include <chrono>

// QSettings takes the lock file "<file>.lock" around each write of a file and waits for it
// without end: a lock that a live writer never lets go, or a folder in its place, would hang
// the program.
namespace SettingsLock {

// Whether the lock of the settings file at filePath can be taken within timeout; it is left
// free for QSettings to take at once. A lock whose writer has ended is cleared by QLockFile's
// own rule, and so is an empty lock older than a writer takes to fill it (one killed between
// making and filling it). False, and the lock left as it is, otherwise.
bool isFree(const QString &filePath, std::chrono::milliseconds timeout);

}

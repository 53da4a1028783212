#pragma once

#include <QString>

// True when the path names something on disk; never fails (an empty path is missing).
bool FileExists(const QString &path);

// A file's path inside the program's folder.
QString programFilePath(const QString &programFolder, const QString &fileName);

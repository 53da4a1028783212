#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// True when the path names something on disk; never fails (an empty path is missing).
bool FileExists(const QString &path);

// A file's path inside the program's folder.
QString programFilePath(const QString &programFolder, const QString &fileName);

// The content of the file at path when it holds at most maxBytes; none when it cannot be
// read or holds more. Reads no more than maxBytes + 1 bytes, whatever the file claims.
std::optional<QByteArray> readFileUpTo(const QString &path, qint64 maxBytes);

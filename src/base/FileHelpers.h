#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <optional>

// True when the path names something on disk; never fails (an empty path is missing).
bool FileExists(const QString &path);

// A file's path inside the program's folder.
QString programFilePath(const QString &programFolder, const QString &fileName);

// Opens the file named by file for reading when it is a regular file, links followed; a FIFO,
// a device or a folder is refused at once, never waited on. False, the file left closed, when
// it is refused or cannot be opened. Every file from outside the program is opened so.
bool openRegularFile(QFile &file, QIODevice::OpenMode mode = QIODevice::ReadOnly);

// Whether something other than a regular file (a FIFO, a device, a folder) is at path, links
// followed; false when nothing is there.
bool isOtherThanRegularFile(const QString &path);

// The content of the file at path when it holds at most maxBytes; none when it cannot be
// read, is no regular file or holds more. Reads no more than maxBytes + 1 bytes, whatever
// the file claims.
std::optional<QByteArray> readFileUpTo(const QString &path, qint64 maxBytes);

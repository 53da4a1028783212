#pragma once

#include <QByteArray>
#include <QString>

// Reading and writing whole files in tests.
namespace TestFiles {

// The file's bytes; empty when it cannot be read.
QByteArray read(const QString &path);

// Writes the bytes, making the folders on the way; a failure fails the running test.
void write(const QString &path, const QByteArray &content);

// The file's inode number, 0 when it does not exist: a replaced file gets another.
quint64 inodeOf(const QString &path);
// A zone file (TZif, version 1) of a zone that is secondsEast of UTC at every instant.
QByteArray fixedOffsetZoneFile(qint32 secondsEast);

}

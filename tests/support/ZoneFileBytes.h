#pragma once

#include <QByteArray>
#include <QList>

// Zone files (the TZif format) of a test's own, built field by field.
namespace ZoneFileBytes {

QByteArray bigEndian(qint64 value, int size);

// A header with the given counts, in the file's order: UT/local flags, standard/wall flags,
// leap seconds, changes, types, abbreviation bytes.
QByteArray header(char version, const QList<quint32> &counts);

// A type of a data block: its offset, not daylight time, the first abbreviation.
QByteArray type(qint64 offset);

// A version 2 file: an empty first block, then a second one with this header and data.
QByteArray version2(const QList<quint32> &counts, const QByteArray &data);

// A whole file of one offset from UTC, with no changes.
QByteArray fixedOffset(qint64 offset);

}

#pragma once

#include <QByteArray>
#include <QString>

// Whether a settings file's text is one the store can read back without loss: valid
// UTF-8 without NUL bytes, every section header closed, every other line blank, a
// comment or "key=value". Qt's own reader reports only some of these faults, and only
// to the first reader of a file in a process.
bool isReadableIni(const QByteArray &content);

// The content with each invalid UTF-8 sequence replaced by U+FFFD, as Qt's reader takes
// it; the same bytes when the content is valid UTF-8.
QByteArray withInvalidUtf8Replaced(const QByteArray &content);

// The same for a file on disk; a missing file counts as readable (it is simply empty).
bool isReadableIniFile(const QString &path);

#pragma once

#include <QCoreApplication>
#include <QString>

// A text kept in its English source form (marked with QT_TRANSLATE_NOOP where it is
// defined), in the user's language at the moment it is shown.
inline QString inUserLanguage(const char *context, const QString &sourceText)
{
    return QCoreApplication::translate(context, sourceText.toUtf8().constData());
}

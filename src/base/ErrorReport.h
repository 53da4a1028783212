#pragma once

#include <QString>

class PlatformServices;

// The one way unexpected failures of guarded procedures reach the user.
namespace ErrorReport {

inline const QString title = QStringLiteral(QT_TRANSLATE_NOOP("ErrorReport", "Application Error"));

// Where a guarded procedure failed, as the report names it: the window's and the
// procedure's names after the program's own ("in Lumetra2021/08/31.Form2.Timer1_Timer ").
QString location(const char *window, const char *procedure);

// Description, location and line, then the request for a screenshot.
QString messageText(const QString &description, const QString &location, int line);

void show(PlatformServices &platform, const QString &description, const QString &location, int line);

}

#pragma once

#include <QString>

class PlatformServices;

// The one way unexpected failures of guarded procedures reach the user.
namespace ErrorReport {

inline const QString title = QStringLiteral("Application Error");

// Description, location and line, then the request for a screenshot.
QString messageText(const QString &description, const QString &location, int line);

void show(PlatformServices &platform, const QString &description, const QString &location, int line);

}

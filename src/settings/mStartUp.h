#pragma once

#include <QString>

class PlatformServices;

// Turns starting at log-in on and off for the running program's executable; a failure
// is shown to the user in a message box.
void EnableStartup(PlatformServices &platform, const QString &executablePath);
void DisableStartup(PlatformServices &platform, const QString &executablePath);

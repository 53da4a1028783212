#pragma once

#include <QStringList>

// The site's configuration folders, most important first: those XDG_CONFIG_DIRS names, or
// /etc/xdg when it names none. The program only ever reads there.
QStringList siteConfigFolders();

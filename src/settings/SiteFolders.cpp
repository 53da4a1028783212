#include "settings/SiteFolders.h"

QStringList siteConfigFolders()
{
    QStringList folders = qEnvironmentVariable("XDG_CONFIG_DIRS").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    if (folders.isEmpty())
        folders = { QStringLiteral("/etc/xdg") };
    return folders;
}

#include "windows/SiteLocks.h"

#include "settings/SettingsStore.h"

#include <QAction>
#include <QWidget>
#include <algorithm>

namespace SiteLocks {

namespace {

const QString lockedTip = QStringLiteral("Set by your administrator");

bool allLocked(const SettingsStore &settings, const QStringList &keys)
{
    return std::all_of(keys.cbegin(), keys.cend(), [&](const QString &key) { return settings.isLocked(key); });
}

}

void apply(QWidget &control, const SettingsStore &settings, const QStringList &keys)
{
    if (!allLocked(settings, keys))
        return;
    control.setEnabled(false);
    control.setToolTip(lockedTip);
}

void apply(QAction &entry, const SettingsStore &settings, const QStringList &keys)
{
    if (!allLocked(settings, keys))
        return;
    entry.setEnabled(false);
    entry.setToolTip(lockedTip);
}

}

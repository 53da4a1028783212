#include "windows/SiteLocks.h"

#include "settings/SettingsStore.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QWidget>
#include <algorithm>

namespace SiteLocks {

namespace {

const char *const keysProperty = "siteLockKeys";
const char *const opensProperty = "siteLockOpens";

QString lockedTip()
{
    return QCoreApplication::translate("SiteLocks", "Set by your administrator");
}

template <typename Control>
void lock(Control &control)
{
    control.setEnabled(false);
    control.setToolTip(lockedTip());
}

bool isLockedControl(const QObject &control, const SettingsStore &settings)
{
    const QStringList keys = control.property(keysProperty).toStringList();
    if (keys.isEmpty())
        return false;
    const auto locked = [&](const QString &key) { return settings.isLocked(key); };
    return control.property(opensProperty).toBool() ? std::all_of(keys.cbegin(), keys.cend(), locked)
                                                    : std::any_of(keys.cbegin(), keys.cend(), locked);
}

}

void declare(QObject &control, const QStringList &keys)
{
    control.setProperty(keysProperty, keys);
}

void declareOpener(QObject &control, const QStringList &keys)
{
    declare(control, keys);
    control.setProperty(opensProperty, true);
}

void apply(QWidget &root, const SettingsStore &settings)
{
    QList<QWidget *> widgets = root.findChildren<QWidget *>();
    widgets.prepend(&root);
    for (QWidget *widget : widgets) {
        if (isLockedControl(*widget, settings))
            lock(*widget);
        for (QAction *entry : widget->actions()) {
            if (isLockedControl(*entry, settings))
                lock(*entry);
        }
    }
    for (QMenu *submenu : root.findChildren<QMenu *>()) {
        const QList<QAction *> entries = submenu->actions();
        const bool nothingToChoose = std::none_of(entries.cbegin(), entries.cend(), [](const QAction *entry) {
            return entry->isEnabled() && !entry->isSeparator();
        });
        if (!entries.isEmpty() && nothingToChoose)
            lock(*submenu->menuAction());
    }
}

}

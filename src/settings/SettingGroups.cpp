#include "settings/SettingGroups.h"

namespace SettingGroups {

namespace {

const QList<QStringList> groups {
    // The time format: one of three option buttons.
    { "Option1", "Option2", "Option3" },
    // The zone: its place in the list and its name.
    { "Combo1", "Time Zone Name" },
    // The clock's screen: its name and what the monitor reports of itself.
    { "Clock Screen", "Clock Screen Manufacturer", "Clock Screen Model", "Clock Screen Serial Number" },
};

}

QStringList keysWith(const QString &key)
{
    for (const QStringList &group : groups) {
        if (group.contains(key, Qt::CaseInsensitive))
            return group;
    }
    return { key };
}

}

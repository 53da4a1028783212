#pragma once

#include <QStringList>

class QAction;
class QWidget;
class SettingsStore;

// Controls whose settings the site has locked: disabled, with a tip that says who sets them.
namespace SiteLocks {

// Disables the control when the site has locked every key it writes.
void apply(QWidget &control, const SettingsStore &settings, const QStringList &keys);
void apply(QAction &entry, const SettingsStore &settings, const QStringList &keys);

}

#pragma once

#include <QStringList>

class QObject;
class QWidget;
class SettingsStore;

// Controls whose settings the site has locked: disabled, with a tip that says who sets them,
// their values still readable.
// A control (a widget or a menu entry) declares the keys it writes where it is made; the
// locks then find it, so a new control is locked by being declared.
namespace SiteLocks {

// The control writes these keys: it is disabled when the site locks any of them.
void declare(QObject &control, const QStringList &keys);
// The control opens a window whose fields write these keys: it is disabled only when the site
// locks every one, as nothing in that window can change then.
void declareOpener(QObject &control, const QStringList &keys);

// Disables the declared controls of the widget and of the widgets under it, menu entries
// included, and a submenu that has nothing left to choose; a locked menu entry says so in its
// text. Returns whether any control is locked.
bool apply(QWidget &root, const SettingsStore &settings);

}

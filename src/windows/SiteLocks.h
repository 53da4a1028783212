#pragma once

#include <QStringList>

class QMenu;
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

// Locks the declared controls of the widget and of the widgets under it, menu entries
// included, and a submenu that has nothing left to choose; a locked menu entry says so in its
// text. Returns whether any control is locked.
// A locked control looks and reads as unavailable and takes no input, but stays in the
// keyboard's reach (Tab, and the arrows in a menu), so that a screen reader user meets it and
// hears why: a menu entry is disabled (a menu given keepDisabledEntriesInReach lets the
// arrows reach it), a widget stays enabled, since Qt gives a disabled one no focus.
bool apply(QWidget &root, const SettingsStore &settings);

// Whether apply() locked the control.
bool isLocked(const QObject &control);

// Lets the arrow keys reach the menu's disabled entries, as screen readers read them out.
void keepDisabledEntriesInReach(QMenu &menu);

}

#pragma once

class QAction;
class QAccessibleInterface;
class QObject;
class QString;

// A menu entry as screen readers meet it. One that can be checked is a check box (a radio
// button where its entries exclude each other) that says whether it is checked, also when it
// is not ("not checked"), where Qt's menu item says "checked" of a checked entry only. Its
// name is its text without the mnemonic's "&" and without a shortcut after a tab.
namespace AccessibleMenuEntry {

// The factory that Qt asks for menus and their entries: it answers for every menu and every
// entry in one (a submenu belongs to the entry that opens it).
QAccessibleInterface *forEntry(const QString &className, QObject *object);

}

#pragma once

#include <QAccessible>
#include <functional>

class QWidget;

// Screen readers know a widget by the role Qt's accessibility gives its class: a plain
// top-level widget passes for a filler, a drawn text for nothing at all. Once installed,
// every window made of a plain widget (the panel, the clock, the colour window, any later
// one) is a window, and a widget given a role plays it.
void installAccessibleRoles();

// Gives one widget the role it plays; it takes effect when the widget is first asked about,
// so it is set as the widget is made (before a text of its own: a label asks as it gets one).
void setAccessibleRole(QWidget &widget, QAccessible::Role role);

// A text of a window or of a widget given a role (its name, its description) made when a
// screen reader asks for it, so that what it reads is never older than the moment it reads.
// Nothing is announced when the text changes: a screen reader speaks a changed name or
// description of the object it is on, and a clock's would change every second.
void setAccessibleText(QWidget &widget, QAccessible::Text text, std::function<QString()> source);

// A control that stays in reach (the keyboard focus and a screen reader reach it) but cannot
// be used: screen readers read it as unavailable ("grayed"), with its role, its name and
// its value. Given as the control is locked; a screen reader asking after that meets it so.
void setAccessibleUnavailable(QWidget &widget);

#pragma once

#include <QAccessible>

class QWidget;

// Screen readers know a widget by the role Qt's accessibility gives its class: a plain
// top-level widget passes for a filler, a drawn text for nothing at all. Once installed,
// every window made of a plain widget (the panel, the clock, the colour window, any later
// one) is a window, and a widget given a role plays it.
void installAccessibleRoles();

// Gives one widget the role it plays; it takes effect when the widget is first asked about,
// so it is set as the widget is made.
void setAccessibleRole(QWidget &widget, QAccessible::Role role);

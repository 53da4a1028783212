#include "dressing/AccessibleRole.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace {

const char roleProperty[] = "lumetraAccessibleRole";

QAccessibleInterface *interfaceWithRole(const QString &, QObject *object)
{
    const QVariant role = object->property(roleProperty);
    if (!role.isValid() || !object->isWidgetType())
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget *>(object), static_cast<QAccessible::Role>(role.toInt()));
}

}

void setAccessibleRole(QWidget &widget, QAccessible::Role role)
{
    QAccessible::installFactory(interfaceWithRole);
    widget.setProperty(roleProperty, static_cast<int>(role));
}

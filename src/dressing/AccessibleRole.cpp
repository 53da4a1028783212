#include "dressing/AccessibleRole.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace {

const char roleProperty[] = "lumetraAccessibleRole";

QAccessibleInterface *interfaceWithRole(const QString &, QObject *object)
{
    if (!object->isWidgetType())
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    if (const QVariant role = object->property(roleProperty); role.isValid())
        return new QAccessibleWidget(widget, static_cast<QAccessible::Role>(role.toInt()));
    // Dialogs, menus, tips and Qt's other windows have roles of their own.
    if (widget->windowType() == Qt::Window && object->metaObject()->superClass() == &QWidget::staticMetaObject)
        return new QAccessibleWidget(widget, QAccessible::Window);
    return nullptr;
}

}

void installAccessibleRoles()
{
    QAccessible::installFactory(interfaceWithRole);
}

void setAccessibleRole(QWidget &widget, QAccessible::Role role)
{
    installAccessibleRoles();
    widget.setProperty(roleProperty, static_cast<int>(role));
}

#include "dressing/AccessibleRole.h"

#include "dressing/AccessibleMenuEntry.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAccessibleWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QWidget>

namespace {

const char roleProperty[] = "lumetraAccessibleRole";
const char unavailableProperty[] = "lumetraAccessibleUnavailable";
const char textsName[] = "lumetraAccessibleTexts";

// The texts made on demand, as a child of the widget that they describe: they go with it.
class TextSources : public QObject {
public:
    explicit TextSources(QWidget &widget)
        : QObject(&widget)
    {
        setObjectName(QLatin1StringView(textsName));
    }

    QHash<int, std::function<QString()>> sources;
};

const TextSources *textSourcesOf(const QWidget &widget)
{
    return widget.findChild<TextSources *>(QLatin1StringView(textsName), Qt::FindDirectChildrenOnly);
}

// A widget in the role it plays, whose texts may come from sources asked each time. A window's
// open menus are among its children (Qt leaves popups out of the tree, and a screen reader
// then names no menu that it is in).
class RoleWidget : public QAccessibleWidget {
public:
    RoleWidget(QWidget *widget, QAccessible::Role role)
        : QAccessibleWidget(widget, role)
    {
    }

    int childCount() const override { return QAccessibleWidget::childCount() + static_cast<int>(openMenus().size()); }

    QAccessibleInterface *child(int index) const override
    {
        const int own = QAccessibleWidget::childCount();
        if (index < own)
            return QAccessibleWidget::child(index);
        const QList<QMenu *> menus = openMenus();
        return index - own < menus.size() ? QAccessible::queryAccessibleInterface(menus.at(index - own)) : nullptr;
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (const qsizetype menu = child ? openMenus().indexOf(qobject_cast<QMenu *>(child->object())) : -1; menu >= 0)
            return QAccessibleWidget::childCount() + static_cast<int>(menu);
        return QAccessibleWidget::indexOfChild(child);
    }

private:
    QList<QMenu *> openMenus() const
    {
        QList<QMenu *> menus;
        if (!widget()->isWindow())
            return menus;
        for (QMenu *menu : widget()->findChildren<QMenu *>(Qt::FindDirectChildrenOnly)) {
            if (menu->isVisible())
                menus.append(menu);
        }
        return menus;
    }

public:
    QString text(QAccessible::Text t) const override
    {
        if (const TextSources *texts = textSourcesOf(*widget())) {
            if (const auto source = texts->sources.find(t); source != texts->sources.end())
                return (*source)();
        }
        return QAccessibleWidget::text(t);
    }
};

QString withoutMnemonic(const QString &text)
{
    QString plain = text;
    plain.replace(QStringLiteral("&&"), QStringLiteral("\x1f"));
    plain.remove(u'&');
    plain.replace(u'\x1f', u'&');
    return plain;
}

// A control that cannot be used, as Qt's own accessibility would present it enabled: its
// role, its name and its state, disabled, and no action.
class UnavailableWidget : public RoleWidget {
public:
    UnavailableWidget(QWidget *widget, QAccessible::Role role)
        : RoleWidget(widget, role)
    {
    }

    static QAccessible::Role roleOf(const QWidget &widget)
    {
        if (const QVariant role = widget.property(roleProperty); role.isValid())
            return static_cast<QAccessible::Role>(role.toInt());
        if (qobject_cast<const QCheckBox *>(&widget))
            return QAccessible::CheckBox;
        if (qobject_cast<const QRadioButton *>(&widget))
            return QAccessible::RadioButton;
        if (qobject_cast<const QAbstractButton *>(&widget))
            return QAccessible::Button;
        if (qobject_cast<const QComboBox *>(&widget))
            return QAccessible::ComboBox;
        if (qobject_cast<const QAbstractSpinBox *>(&widget))
            return QAccessible::SpinBox;
        if (qobject_cast<const QGroupBox *>(&widget))
            return QAccessible::Grouping;
        if (qobject_cast<const QLabel *>(&widget))
            return QAccessible::StaticText;
        return QAccessible::Client;
    }

    QString text(QAccessible::Text t) const override
    {
        const QWidget *control = widget();
        if (t != QAccessible::Name || !control->accessibleName().isEmpty() || textSourcesOf(*control))
            return RoleWidget::text(t);
        if (const auto *button = qobject_cast<const QAbstractButton *>(control))
            return withoutMnemonic(button->text());
        if (const auto *list = qobject_cast<const QComboBox *>(control))
            return list->currentText();
        if (const auto *field = qobject_cast<const QAbstractSpinBox *>(control))
            return field->text();
        if (const auto *group = qobject_cast<const QGroupBox *>(control))
            return withoutMnemonic(group->title());
        if (const auto *label = qobject_cast<const QLabel *>(control))
            return label->text();
        return RoleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = RoleWidget::state();
        state.disabled = true;
        if (const auto *button = qobject_cast<const QAbstractButton *>(widget())) {
            state.checkable = button->isCheckable();
            state.checked = button->isChecked();
        }
        return state;
    }

    QStringList actionNames() const override { return QStringList(); }
    void doAction(const QString &) override { }
};

QAccessibleInterface *interfaceWithRole(const QString &, QObject *object)
{
    if (!object->isWidgetType())
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    if (object->property(unavailableProperty).toBool())
        return new UnavailableWidget(widget, UnavailableWidget::roleOf(*widget));
    if (const QVariant role = object->property(roleProperty); role.isValid())
        return new RoleWidget(widget, static_cast<QAccessible::Role>(role.toInt()));
    // Dialogs, menus, tips and Qt's other windows have roles of their own.
    if (widget->windowType() == Qt::Window && object->metaObject()->superClass() == &QWidget::staticMetaObject)
        return new RoleWidget(widget, QAccessible::Window);
    return nullptr;
}

}

void installAccessibleRoles()
{
    QAccessible::installFactory(interfaceWithRole);
    QAccessible::installFactory(AccessibleMenuEntry::forEntry);
}

void setAccessibleRole(QWidget &widget, QAccessible::Role role)
{
    installAccessibleRoles();
    widget.setProperty(roleProperty, static_cast<int>(role));
}

void setAccessibleText(QWidget &widget, QAccessible::Text text, std::function<QString()> source)
{
    auto *texts = const_cast<TextSources *>(textSourcesOf(widget));
    if (!texts)
        texts = new TextSources(widget);
    texts->sources.insert(text, std::move(source));
}

void setAccessibleUnavailable(QWidget &widget)
{
    installAccessibleRoles();
    if (widget.property(unavailableProperty).toBool())
        return;
    widget.setProperty(unavailableProperty, true);
    // An interface made before (Qt makes one as a control gets its text) gives way to the one
    // that reads the control as unavailable.
    if (QAccessibleInterface *made = QAccessible::queryAccessibleInterface(&widget))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

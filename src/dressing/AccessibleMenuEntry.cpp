#include "dressing/AccessibleMenuEntry.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QMenu>
#include <QPointer>

namespace AccessibleMenuEntry {

namespace {

QString withoutMnemonic(QString text)
{
    if (const qsizetype tab = text.indexOf(u'\t'); tab >= 0)
        text.truncate(tab);
    QString plain;
    plain.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        // "&&" is an ampersand; a lone "&" marks the mnemonic.
        if (text[i] == u'&' && i + 1 < text.size())
            ++i;
        plain.append(text[i]);
    }
    return plain;
}

class Entry : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    Entry(QMenu &menu, QAction &action)
        : mMenu(&menu)
        , mAction(&action)
    {
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this) : nullptr;
    }

    bool isValid() const override { return mMenu && mAction; }
    QObject *object() const override { return mAction; }
    QWindow *window() const override { return mMenu ? mMenu->windowHandle() : nullptr; }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(mMenu); }
    // An entry that opens a submenu holds it.
    QAccessibleInterface *child(int index) const override
    {
        return index == 0 && mAction && mAction->menu() ? QAccessible::queryAccessibleInterface(mAction->menu())
                                                        : nullptr;
    }
    int childCount() const override { return mAction && mAction->menu() ? 1 : 0; }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child && mAction && mAction->menu() && child->object() == mAction->menu() ? 0 : -1;
    }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }

    QRect rect() const override
    {
        if (!isValid())
            return QRect();
        const QRect area = mMenu->actionGeometry(mAction);
        return QRect(mMenu->mapToGlobal(area.topLeft()), area.size());
    }

    QAccessible::Role role() const override
    {
        if (mAction && mAction->isSeparator())
            return QAccessible::Separator;
        if (!mAction || !mAction->isCheckable())
            return QAccessible::MenuItem;
        const QActionGroup *group = mAction->actionGroup();
        return group && group->isExclusive() ? QAccessible::RadioButton : QAccessible::CheckBox;
    }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!isValid())
            return state;
        state.invisible = !mMenu->isVisible() || !mAction->isVisible();
        state.focusable = true;
        state.focused = mMenu->activeAction() == mAction;
        state.disabled = !mAction->isEnabled() || mAction->isSeparator();
        state.hasPopup = mAction->menu() != nullptr;
        state.checkable = mAction->isCheckable();
        state.checked = mAction->isChecked();
        return state;
    }

    QString text(QAccessible::Text text) const override
    {
        if (!mAction)
            return QString();
        switch (text) {
        case QAccessible::Name:
            return withoutMnemonic(mAction->text());
        case QAccessible::Description:
            // A tip that says more than the entry: why it cannot be chosen.
            return mAction->statusTip();
        default:
            return QString();
        }
    }

    void setText(QAccessible::Text, const QString &) override { }

    QStringList actionNames() const override
    {
        if (!mAction || !mAction->isEnabled() || mAction->isSeparator())
            return QStringList();
        return mAction->isCheckable() ? QStringList { pressAction(), toggleAction() } : QStringList { pressAction() };
    }

    void doAction(const QString &name) override
    {
        if (!mAction || !mMenu || !actionNames().contains(name))
            return;
        // An entry with a submenu opens it; any other is chosen, as a click chooses it.
        if (mAction->menu()) {
            mMenu->setActiveAction(mAction);
            return;
        }
        mMenu->setActiveAction(mAction);
        mAction->trigger();
        mMenu->close();
    }

    QStringList keyBindingsForAction(const QString &name) const override
    {
        if (!mAction || name != pressAction() || mAction->shortcut().isEmpty())
            return QStringList();
        return { mAction->shortcut().toString(QKeySequence::NativeText) };
    }

private:
    QPointer<QMenu> mMenu;
    QPointer<QAction> mAction;
};

// A menu whose entries are those above: Qt's own finds no entry that is not a plain menu item.
// A submenu belongs to the entry that opens it.
class Menu : public QAccessibleWidget {
public:
    explicit Menu(QMenu &menu)
        : QAccessibleWidget(&menu, QAccessible::PopupMenu)
    {
    }

    QMenu *menu() const { return static_cast<QMenu *>(widget()); }

    int childCount() const override { return static_cast<int>(menu()->actions().size()); }

    QAccessibleInterface *child(int index) const override
    {
        const QList<QAction *> entries = menu()->actions();
        return index >= 0 && index < entries.size() ? QAccessible::queryAccessibleInterface(entries.at(index))
                                                    : nullptr;
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child ? static_cast<int>(menu()->actions().indexOf(qobject_cast<QAction *>(child->object()))) : -1;
    }

    QAccessibleInterface *childAt(int x, int y) const override
    {
        QAction *entry = menu()->actionAt(menu()->mapFromGlobal(QPoint(x, y)));
        return entry ? QAccessible::queryAccessibleInterface(entry) : nullptr;
    }

    QAccessibleInterface *focusChild() const override
    {
        QAction *active = menu()->activeAction();
        return active ? QAccessible::queryAccessibleInterface(active) : nullptr;
    }

    QAccessibleInterface *parent() const override
    {
        for (QObject *holder : menu()->menuAction()->associatedObjects()) {
            if (qobject_cast<QMenu *>(holder))
                return QAccessible::queryAccessibleInterface(menu()->menuAction());
        }
        // A window's menu belongs to that window, which counts it among its children while it
        // is open: a screen reader then names the menu that the focus has come into.
        if (QWidget *owner = menu()->parentWidget())
            return QAccessible::queryAccessibleInterface(owner);
        return QAccessibleWidget::parent();
    }

    // The open menu has the keyboard focus until an entry takes it.
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.focusable = true;
        state.focused = menu()->isVisible() && QApplication::activePopupWidget() == menu() && !menu()->activeAction();
        return state;
    }

    QString text(QAccessible::Text text) const override
    {
        if (text == QAccessible::Name && menu()->accessibleName().isEmpty())
            return withoutMnemonic(menu()->title());
        return QAccessibleWidget::text(text);
    }
};

}

QAccessibleInterface *forEntry(const QString &, QObject *object)
{
    if (auto *menu = qobject_cast<QMenu *>(object))
        return new Menu(*menu);
    // Asked as the entry is made, maybe before it is made checkable: every entry is answered
    // for, and reads as what it is when asked.
    auto *action = qobject_cast<QAction *>(object);
    if (!action)
        return nullptr;
    for (QObject *holder : action->associatedObjects()) {
        if (auto *menu = qobject_cast<QMenu *>(holder))
            return new Entry(*menu, *action);
    }
    return nullptr;
}

}

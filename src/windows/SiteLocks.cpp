#include "windows/SiteLocks.h"

#include "dressing/AccessibleRole.h"
#include "dressing/ReadableText.h"
#include "settings/SettingsStore.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QPointer>
#include <QProxyStyle>
#include <QWidget>
#include <algorithm>

namespace SiteLocks {

namespace {

const char *const keysProperty = "siteLockKeys";
const char *const opensProperty = "siteLockOpens";

QString lockedTip()
{
    return QCoreApplication::translate("SiteLocks", "Set by your administrator");
}

const char *const markedProperty = "siteLockMarked";

const char *const lockedProperty = "siteLocked";

// Keeps a locked control and the widgets in it from being used, while the keyboard focus
// still reaches them: Tab and Shift+Tab move on, Esc and the window's shortcuts reach the
// window, a mnemonic only moves the focus there. Return and Enter reach a dialog's default
// button, unless the control is a button.
class LockedInput : public QObject {
public:
    explicit LockedInput(QWidget &control)
        : QObject(&control)
    {
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
        case QEvent::InputMethod:
        case QEvent::HoverEnter:
        case QEvent::HoverMove:
        case QEvent::HoverLeave:
            return true;
        case QEvent::Shortcut:
            if (watched->isWidgetType())
                static_cast<QWidget *>(watched)->setFocus(Qt::ShortcutFocusReason);
            return true;
        case QEvent::KeyPress:
            if (moveAmongOptions(*static_cast<QKeyEvent *>(event), *watched))
                return true;
            return !passes(*static_cast<QKeyEvent *>(event), *watched);
        case QEvent::KeyRelease:
            return !passes(*static_cast<QKeyEvent *>(event), *watched);
        default:
            return false;
        }
    }

private:
    // The arrows move the focus among the options of a group, choosing none.
    static bool moveAmongOptions(const QKeyEvent &key, QObject &watched)
    {
        auto *option = qobject_cast<QAbstractButton *>(&watched);
        const int step = key.key() == Qt::Key_Down || key.key() == Qt::Key_Right ? 1
            : key.key() == Qt::Key_Up || key.key() == Qt::Key_Left               ? -1
                                                                                 : 0;
        if (!option || !option->autoExclusive() || step == 0 || !option->parentWidget())
            return false;
        QList<QAbstractButton *> options;
        for (QAbstractButton *sibling :
             option->parentWidget()->findChildren<QAbstractButton *>(Qt::FindDirectChildrenOnly)) {
            if (sibling->autoExclusive() && sibling->isVisible())
                options.append(sibling);
        }
        const qsizetype here = options.indexOf(option);
        const qsizetype next = here + step;
        if (here >= 0 && next >= 0 && next < options.size())
            options.at(next)->setFocus(Qt::OtherFocusReason);
        return true;
    }

    static bool passes(const QKeyEvent &key, const QObject &watched)
    {
        switch (key.key()) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Escape:
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return !qobject_cast<const QAbstractButton *>(&watched) && watched.isWidgetType()
                && qobject_cast<const QDialog *>(static_cast<const QWidget &>(watched).window());
        default:
            return (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0;
        }
    }
};

void lock(QWidget &control)
{
    control.setToolTip(lockedTip());
    if (control.property(lockedProperty).toBool())
        return;
    control.setProperty(lockedProperty, true);
    // The site's value stays readable: the dimmed text darkens as far as a reading contrast needs.
    QPalette palette = control.palette();
    const QList<QPair<QPalette::ColorRole, QPalette::ColorRole>> textOnBackground
        = { { QPalette::WindowText, QPalette::Window },
            { QPalette::Text, QPalette::Base },
            { QPalette::ButtonText, QPalette::Button } };
    for (const auto &[text, background] : textOnBackground) {
        palette.setColor(QPalette::Disabled, text,
                         ReadableText::dimmedButReadable(palette.color(QPalette::Disabled, text),
                                                         palette.color(QPalette::Active, text),
                                                         palette.color(QPalette::Disabled, background)));
    }
    // It looks disabled, as it is, while it stays enabled for the keyboard focus: Qt gives
    // no focus to a disabled control, and a screen reader user would never meet it.
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        const auto colourRole = static_cast<QPalette::ColorRole>(role);
        if (colourRole == QPalette::NoRole)
            continue;
        const QBrush disabled = palette.brush(QPalette::Disabled, colourRole);
        palette.setBrush(QPalette::Active, colourRole, disabled);
        palette.setBrush(QPalette::Inactive, colourRole, disabled);
    }
    control.setPalette(palette);
    auto *input = new LockedInput(control);
    QList<QWidget *> parts = control.findChildren<QWidget *>();
    parts.prepend(&control);
    for (QWidget *part : parts) {
        // A list's popup is a window of its own, which the control never opens now.
        if (part->window() != control.window())
            continue;
        part->installEventFilter(input);
        // Read as unavailable where a screen reader meets it, where it takes the focus, and why.
        if (part == &control || part->focusPolicy() != Qt::NoFocus) {
            part->setAccessibleDescription(lockedTip());
            setAccessibleUnavailable(*part);
        }
    }
}

void lock(QAction &entry)
{
    entry.setEnabled(false);
    entry.setToolTip(lockedTip());
    // A menu is read, not hovered: the entry's text says it too, once however often the
    // menu is locked again. A shortcut after a tab stays last.
    if (entry.property(markedProperty).toBool())
        return;
    entry.setProperty(markedProperty, true);
    const QString text = entry.text();
    const qsizetype tab = text.indexOf(u'\t');
    const QString marked
        = QCoreApplication::translate("SiteLocks", "%1 (set by your administrator)").arg(text.left(tab));
    entry.setText(tab < 0 ? marked : marked + text.mid(tab));
}

bool isLockedControl(const QObject &control, const SettingsStore &settings)
{
    const QStringList keys = control.property(keysProperty).toStringList();
    if (keys.isEmpty())
        return false;
    const auto locked = [&](const QString &key) { return settings.isLocked(key); };
    return control.property(opensProperty).toBool() ? std::all_of(keys.cbegin(), keys.cend(), locked)
                                                    : std::any_of(keys.cbegin(), keys.cend(), locked);
}

}

void declare(QObject &control, const QStringList &keys)
{
    control.setProperty(keysProperty, keys);
}

void declareOpener(QObject &control, const QStringList &keys)
{
    declare(control, keys);
    control.setProperty(opensProperty, true);
}

bool isLocked(const QObject &control)
{
    if (const auto *entry = qobject_cast<const QAction *>(&control))
        return !entry->isEnabled() && entry->toolTip() == lockedTip();
    return control.property(lockedProperty).toBool();
}

void keepDisabledEntriesInReach(QMenu &menu)
{
    // A style that lets the keyboard reach a disabled entry, over whichever style the menu has.
    class ReachableDisabledEntries : public QProxyStyle {
    public:
        int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                      QStyleHintReturn *returnData) const override
        {
            if (hint == QStyle::SH_Menu_AllowActiveAndDisabled)
                return 1;
            return QProxyStyle::styleHint(hint, option, widget, returnData);
        }
    };
    // One for every menu, the program's own: a widget does not own the style it is given.
    static QPointer<ReachableDisabledEntries> style;
    if (!style) {
        style = new ReachableDisabledEntries;
        style->setParent(QCoreApplication::instance());
    }
    menu.setStyle(style);
}

bool apply(QWidget &root, const SettingsStore &settings)
{
    bool anyLocked = false;
    QList<QWidget *> widgets = root.findChildren<QWidget *>();
    widgets.prepend(&root);
    for (QWidget *widget : widgets) {
        if (isLockedControl(*widget, settings)) {
            lock(*widget);
            anyLocked = true;
        }
        for (QAction *entry : widget->actions()) {
            if (isLockedControl(*entry, settings)) {
                lock(*entry);
                anyLocked = true;
            }
        }
    }
    for (QMenu *submenu : root.findChildren<QMenu *>()) {
        const QList<QAction *> entries = submenu->actions();
        const bool nothingToChoose = std::none_of(entries.cbegin(), entries.cend(), [](const QAction *entry) {
            return entry->isEnabled() && !entry->isSeparator();
        });
        if (!entries.isEmpty() && nothingToChoose)
            lock(*submenu->menuAction());
    }
    return anyLocked;
}

}

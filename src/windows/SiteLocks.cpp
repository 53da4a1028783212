#include "windows/SiteLocks.h"

#include "dressing/ReadableText.h"
#include "settings/SettingsStore.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
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

void lock(QWidget &control)
{
    control.setEnabled(false);
    control.setToolTip(lockedTip());
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
    control.setPalette(palette);
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

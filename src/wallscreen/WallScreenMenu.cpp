#include "wallscreen/WallScreenMenu.h"

#include "settings/ClockFormatName.h"
#include "settings/Conversions.h"
#include "settings/WallScreenValues.h"
#include "wallscreen/OtherZoneList.h"
#include "wallscreen/WallScreenOptions.h"
#include "windows/SiteLocks.h"

#include <QActionGroup>
#include <algorithm>

namespace {

struct NightRange {
    QTime from;
    QTime to;
};

const NightRange offeredRanges[] = {
    { QTime(21, 0), QTime(6, 0) },
    { QTime(22, 0), QTime(7, 0) },
    { QTime(23, 0), QTime(7, 0) },
    { QTime(0, 0), QTime(6, 0) },
};

const int offeredLevels[] = { 10, 20, 30, 50, 70 };

QAction *checkable(QMenu &menu, const QString &text)
{
    QAction *action = menu.addAction(text);
    action->setCheckable(true);
    return action;
}

}

WallScreenMenu::WallScreenMenu(QWidget *parent)
    : QMenu(parent)
{
    setAccessibleName(tr("Wall-screen options"));
    // An entry the site has locked says so.
    setToolTipsVisible(true);
    // Read, not chosen: a disabled entry, which screen readers read out too.
    formatInUse = addAction(QString());
    formatInUse->setEnabled(false);
    addSeparator();
    fitToScreen = addOnOff(tr("Fit to screen"), WallScreenOptions::fitToScreenKey);
    burnInGuard = addOnOff(tr("Burn-in guard"), WallScreenOptions::burnInGuardKey);
    nightDimming = addMenu(tr("Night dimming"));
    nightDimming->setToolTipsVisible(true);
    secondsIn24Hour = addOnOff(tr("Seconds in 24-hour time"), WallScreenOptions::secondsIn24HourKey);
    const QString onlyIn24Hour
        = tr("Only with the 24-hour format “%1”").arg(ClockFormatName::of(ClockFormat::HoursMinutes));
    secondsIn24Hour->setToolTip(onlyIn24Hour);
    secondsIn24Hour->setStatusTip(onlyIn24Hour);
    showDate = addOnOff(tr("Show date"), WallScreenOptions::showDateKey);
    dateFormat = addMenu(tr("Date format"));
    dateFormat->setToolTipsVisible(true);
    auto *dateFormats = new QActionGroup(dateFormat);
    addDateFormat(*dateFormats, InfoLines::DateFormat::Long, tr("Long"));
    addDateFormat(*dateFormats, InfoLines::DateFormat::Short, tr("Short"));
    addDateFormat(*dateFormats, InfoLines::DateFormat::Iso, tr("ISO 8601"));
    showZone = addOnOff(tr("Show zone"), WallScreenOptions::showZoneKey);
    announceClockChanges = addOnOff(tr("Announce clock changes"), WallScreenOptions::announceClockChangesKey);
    syncWarning = addOnOff(tr("Warn when time is not synchronised"), WallScreenOptions::syncWarningKey);
    otherZones = addAction(tr("Other zones…"));
    SiteLocks::declareOpener(*otherZones, { OtherZoneList::key });
    addSeparator();
    about = addAction(tr("About"));
    // The clock closes on Esc itself: the shortcut only shows beside the entry, since an
    // entry of a menu that no window holds takes no shortcut.
    closeClock = addAction(tr("Close clock"));
    closeClock->setShortcut(Qt::Key_Escape);
    closeClock->setShortcutVisibleInContextMenu(true);
    // A locked or unusable entry is read out too, with the reason: the arrows reach it.
    SiteLocks::keepDisabledEntriesInReach(*this);
    for (QMenu *submenu : { nightDimming, dateFormat }) {
        submenu->setAccessibleName(submenu->title());
        SiteLocks::keepDisabledEntriesInReach(*submenu);
    }
}

QAction *WallScreenMenu::addOnOff(const QString &text, const QString &key)
{
    QAction *action = checkable(*this, text);
    SiteLocks::declare(*action, { key });
    connect(action, &QAction::triggered, this, [this, key](bool on) {
        emit chosen({ { key, Conversions::onOffText(on) } });
    });
    return action;
}

QAction *WallScreenMenu::addChoice(QMenu &menu, const QString &text, const Choice &choice, bool checked)
{
    QAction *action = checkable(menu, text);
    action->setChecked(checked);
    SiteLocks::declare(*action, choice.keys());
    connect(action, &QAction::triggered, this, [this, choice] { emit chosen(choice); });
    return action;
}

void WallScreenMenu::addDateFormat(QActionGroup &group, InfoLines::DateFormat format, const QString &text)
{
    QAction *action = checkable(*dateFormat, text);
    const Choice choice { { WallScreenOptions::dateFormatKey, WallScreenOptions::dateFormatText(format) } };
    SiteLocks::declare(*action, choice.keys());
    // A date format is chosen to be seen: the date comes on with it, where the site leaves
    // "Show date" to the user (the store keeps a locked key as the site sets it).
    connect(action, &QAction::triggered, this, [this, choice] {
        Choice withDate = choice;
        if (!showDate->isChecked())
            withDate.insert(WallScreenOptions::showDateKey, Conversions::onOffText(true));
        emit chosen(withDate);
    });
    action->setData(static_cast<int>(format));
    group.addAction(action);
}

void WallScreenMenu::showOptions(const WallScreenOptions &options, const SettingsStore &settings,
                                 const ClockTimeText &times, ClockFormat selected)
{
    const QString formatName = ClockFormatName::of(selected);
    formatInUse->setText(selected == ClockFormat::HoursMinutes ? tr("Format: %1 (24-hour)").arg(formatName)
                                                               : tr("Format: %1 (12-hour)").arg(formatName));
    formatInUse->setVisible(!formatName.isEmpty());
    // The seconds are the 24-hour time's: with another format the entry keeps its value, disabled.
    secondsIn24Hour->setEnabled(selected == ClockFormat::HoursMinutes);
    fitToScreen->setChecked(options.fitToScreen);
    burnInGuard->setChecked(options.burnInGuard);
    secondsIn24Hour->setChecked(options.secondsIn24Hour);
    for (QAction *action : dateFormat->actions())
        action->setChecked(action->data().toInt() == static_cast<int>(options.dateFormat));
    showDate->setChecked(options.showDate);
    showZone->setChecked(options.showZone);
    announceClockChanges->setChecked(options.announceClockChanges);
    syncWarning->setChecked(options.syncWarning);

    // The night entries are made anew: a range or level stored by hand that the menu does
    // not offer shows as an entry of its own, checked. The old ones go once their signal
    // (which may have led here) has returned.
    for (QAction *action : nightDimming->actions()) {
        nightDimming->removeAction(action);
        action->deleteLater();
    }
    for (QActionGroup *group : nightDimming->findChildren<QActionGroup *>(Qt::FindDirectChildrenOnly))
        group->deleteLater();
    const NightDimming &dimming = options.nightDimming;
    auto *ranges = new QActionGroup(nightDimming);
    ranges->addAction(addRange(std::nullopt, dimming.to, !dimming.isOn(), times));
    bool rangeOffered = !dimming.isOn();
    for (const NightRange &range : offeredRanges) {
        const bool inForce = dimming.isOn() && *dimming.from == range.from && dimming.to == range.to;
        rangeOffered = rangeOffered || inForce;
        ranges->addAction(addRange(range.from, range.to, inForce, times));
    }
    if (!rangeOffered)
        ranges->addAction(addRange(dimming.from, dimming.to, true, times));

    nightDimming->addSeparator();
    auto *levels = new QActionGroup(nightDimming);
    const bool levelOffered
        = std::find(std::begin(offeredLevels), std::end(offeredLevels), dimming.level) != std::end(offeredLevels);
    for (int percent : offeredLevels)
        levels->addAction(addLevel(percent, percent == dimming.level));
    if (!levelOffered)
        levels->addAction(addLevel(dimming.level, true));

    nightDimming->addSeparator();
    QAction *chooseHours = nightDimming->addAction(tr("Choose hours…"));
    SiteLocks::declareOpener(
        *chooseHours,
        { WallScreenOptions::nightDimFromKey, WallScreenOptions::nightDimToKey, WallScreenOptions::nightDimLevelKey });
    connect(chooseHours, &QAction::triggered, this, &WallScreenMenu::nightHoursAsked);
    SiteLocks::apply(*this, settings);
}

QAction *WallScreenMenu::addRange(std::optional<QTime> from, QTime to, bool checked, const ClockTimeText &times)
{
    // "Off" is a range without a start; its end stays as it is.
    if (!from)
        return addChoice(*nightDimming, tr("Off"), { { WallScreenOptions::nightDimFromKey, QString() } }, checked);
    const QString fromText = WallScreenValues::clockTimeText(*from);
    const QString toText = WallScreenValues::clockTimeText(to);
    return addChoice(*nightDimming, tr("%1 to %2").arg(times.of(*from), times.of(to)),
                     { { WallScreenOptions::nightDimFromKey, fromText }, { WallScreenOptions::nightDimToKey, toText } },
                     checked);
}

QAction *WallScreenMenu::addLevel(int percent, bool checked)
{
    return addChoice(*nightDimming, tr("Digits at %1% brightness").arg(percent),
                     { { WallScreenOptions::nightDimLevelKey, QString::number(percent) } }, checked);
}

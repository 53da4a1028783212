#include "wallscreen/WallScreenMenu.h"

#include "settings/WallScreenValues.h"
#include "wallscreen/WallScreenOptions.h"

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
    // An entry the site has locked says so.
    setToolTipsVisible(true);
    fitToScreen = checkable(*this, tr("Fit to screen"));
    burnInGuard = checkable(*this, tr("Burn-in guard"));
    nightDimming = addMenu(tr("Night dimming"));
    secondsIn24Hour = checkable(*this, tr("Seconds in 24-hour time"));
    showDate = checkable(*this, tr("Show date"));
    dateFormat = addMenu(tr("Date format"));
    auto *dateFormats = new QActionGroup(dateFormat);
    addDateFormat(*dateFormats, InfoLines::DateFormat::Long, tr("Long"));
    addDateFormat(*dateFormats, InfoLines::DateFormat::Short, tr("Short"));
    addDateFormat(*dateFormats, InfoLines::DateFormat::Iso, tr("ISO 8601"));
    showZone = checkable(*this, tr("Show zone"));
    announceClockChanges = checkable(*this, tr("Announce clock changes"));
    syncWarning = checkable(*this, tr("Warn when time is not synchronised"));
    otherZones = addAction(tr("Other zones…"));
    addSeparator();
    about = addAction(tr("About"));
    closeClock = addAction(tr("Close clock\tEsc"));
}

void WallScreenMenu::addDateFormat(QActionGroup &group, InfoLines::DateFormat format, const QString &text)
{
    QAction *action = checkable(*dateFormat, text);
    action->setData(static_cast<int>(format));
    group.addAction(action);
    connect(action, &QAction::triggered, this, [this, format] { emit dateFormatChosen(format); });
}

void WallScreenMenu::showOptions(const WallScreenOptions &options)
{
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
    ranges->addAction(addRange(std::nullopt, dimming.to, !dimming.isOn()));
    bool rangeOffered = !dimming.isOn();
    for (const NightRange &range : offeredRanges) {
        const bool inForce = dimming.isOn() && *dimming.from == range.from && dimming.to == range.to;
        rangeOffered = rangeOffered || inForce;
        ranges->addAction(addRange(range.from, range.to, inForce));
    }
    if (!rangeOffered)
        ranges->addAction(addRange(dimming.from, dimming.to, true));

    nightDimming->addSeparator();
    auto *levels = new QActionGroup(nightDimming);
    const bool levelOffered
        = std::find(std::begin(offeredLevels), std::end(offeredLevels), dimming.level) != std::end(offeredLevels);
    for (int percent : offeredLevels)
        levels->addAction(addLevel(percent, percent == dimming.level));
    if (!levelOffered)
        levels->addAction(addLevel(dimming.level, true));

    nightDimming->addSeparator();
    connect(nightDimming->addAction(tr("Choose hours…")), &QAction::triggered, this, &WallScreenMenu::nightHoursAsked);
}

QAction *WallScreenMenu::addRange(std::optional<QTime> from, QTime to, bool checked)
{
    const QString text = from
        ? tr("%1 to %2").arg(WallScreenValues::clockTimeText(*from), WallScreenValues::clockTimeText(to))
        : tr("Off");
    QAction *action = checkable(*nightDimming, text);
    action->setChecked(checked);
    connect(action, &QAction::triggered, this, [this, from, to] { emit nightRangeChosen(from, to); });
    return action;
}

QAction *WallScreenMenu::addLevel(int percent, bool checked)
{
    QAction *action = checkable(*nightDimming, tr("Digits at %1% brightness").arg(percent));
    action->setChecked(checked);
    connect(action, &QAction::triggered, this, [this, percent] { emit nightLevelChosen(percent); });
    return action;
}

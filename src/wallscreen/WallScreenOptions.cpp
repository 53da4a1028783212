#include "wallscreen/WallScreenOptions.h"

#include "settings/Conversions.h"
#include "settings/SettingsStore.h"
#include "settings/WallScreenValues.h"

WallScreenOptions WallScreenOptions::read(const SettingsStore &settings)
{
    WallScreenOptions options;
    const auto onOff = [&](const QString &key, bool byDefault = false) {
        return WallScreenValues::toOnOff(settings.GetSetting(key, Conversions::onOffText(byDefault)))
            .value_or(byDefault);
    };
    options.fitToScreen = onOff(fitToScreenKey);
    options.burnInGuard = onOff(burnInGuardKey);
    options.showDate = onOff(showDateKey);
    options.showZone = onOff(showZoneKey);
    options.announceClockChanges = onOff(announceClockChangesKey);
    options.syncWarning = onOff(syncWarningKey, true);
    NightDimming &dimming = options.nightDimming;
    dimming.from = WallScreenValues::toClockTime(settings.GetSetting(nightDimFromKey, QString()));
    dimming.to = WallScreenValues::toClockTime(settings.GetSetting(nightDimToKey, QString())).value_or(dimming.to);
    dimming.level
        = WallScreenValues::toDimLevel(settings.GetSetting(nightDimLevelKey, QString())).value_or(dimming.level);
    return options;
}

#include "clock/WallScreenOptions.h"

#include "settings/SettingsStore.h"
#include "settings/WallScreenValues.h"

WallScreenOptions WallScreenOptions::read(const SettingsStore &settings)
{
    WallScreenOptions options;
    const auto onOff = [&](const QString &key) {
        return WallScreenValues::toOnOff(settings.GetSetting(key, QStringLiteral("Off"))).value_or(false);
    };
    options.fitToScreen = onOff(fitToScreenKey);
    options.burnInGuard = onOff(burnInGuardKey);
    options.showDate = onOff(showDateKey);
    options.showZone = onOff(showZoneKey);
    NightDimming &dimming = options.nightDimming;
    dimming.from = WallScreenValues::toClockTime(settings.GetSetting(nightDimFromKey, QString()));
    dimming.to = WallScreenValues::toClockTime(settings.GetSetting(nightDimToKey, QString())).value_or(dimming.to);
    dimming.level
        = WallScreenValues::toDimLevel(settings.GetSetting(nightDimLevelKey, QString())).value_or(dimming.level);
    return options;
}

#include "wallscreen/WallScreenOptions.h"

#include "settings/Conversions.h"
#include "settings/FirstRunFormat.h"
#include "settings/SettingsStore.h"
#include "settings/WallScreenValues.h"

namespace {

const InfoLines::DateFormat dateFormats[]
    = { InfoLines::DateFormat::Long, InfoLines::DateFormat::Short, InfoLines::DateFormat::Iso };

}

QString WallScreenOptions::dateFormatText(InfoLines::DateFormat format)
{
    switch (format) {
    case InfoLines::DateFormat::Short:
        return QStringLiteral("Short");
    case InfoLines::DateFormat::Iso:
        return QStringLiteral("ISO");
    case InfoLines::DateFormat::Long:
        break;
    }
    return QStringLiteral("Long");
}

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
    // The 24-hour clock a locale starts with shows the seconds.
    options.secondsIn24Hour
        = onOff(secondsIn24HourKey, FirstRunFormat::startsTwentyFourHour(settings, QLocale::system()));
    const QString dateFormat = settings.GetSetting(dateFormatKey, QString());
    for (InfoLines::DateFormat format : dateFormats) {
        if (dateFormat == dateFormatText(format))
            options.dateFormat = format;
    }
    NightDimming &dimming = options.nightDimming;
    dimming.from = WallScreenValues::toClockTime(settings.GetSetting(nightDimFromKey, QString()));
    dimming.to = WallScreenValues::toClockTime(settings.GetSetting(nightDimToKey, QString())).value_or(dimming.to);
    dimming.level
        = WallScreenValues::toDimLevel(settings.GetSetting(nightDimLevelKey, QString())).value_or(dimming.level);
    return options;
}

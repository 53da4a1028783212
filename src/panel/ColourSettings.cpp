#include "panel/ColourSettings.h"

#include "base/ErrorTrap.h"
#include "settings/Conversions.h"
#include "settings/SettingsStore.h"

namespace ColourSettings {

qint32 stored(const SettingsStore &settings, const QString &key, qint32 fallback)
{
    return Conversions::toInt32(settings.GetSetting(key, fallback));
}

void save(SettingsStore &settings, const QString &key, qint32 colour)
{
    settings.SaveSetting(key, QString::number(colour));
}

void reset(ErrorTrap &trap, SettingsStore &settings)
{
    trap.line(100, [&] { save(settings, fontColourKey, defaultFontColour); });
    trap.line(102, [&] { save(settings, backgroundColourKey, defaultBackgroundColour); });
}

}

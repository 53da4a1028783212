#include "clock/ClockScreenSetting.h"

#include "settings/SettingsStore.h"

#include <array>

namespace ClockScreenSetting {

namespace {

struct Field {
    const char *key;
    QString ScreenIdentity::*value;
};

constexpr std::array fields {
    Field { "Clock Screen", &ScreenIdentity::name },
    Field { "Clock Screen Manufacturer", &ScreenIdentity::manufacturer },
    Field { "Clock Screen Model", &ScreenIdentity::model },
    Field { "Clock Screen Serial Number", &ScreenIdentity::serialNumber },
};

}

ScreenIdentity read(const SettingsStore &settings)
{
    ScreenIdentity screen;
    for (const Field &field : fields)
        screen.*field.value = settings.GetSetting(field.key, QString());
    return screen;
}

ScreenIdentity inForce(const SettingsStore &settings, const ScreenIdentity &wanted)
{
    return settings.isLocked(fields.front().key) ? read(settings) : wanted;
}

void store(SettingsStore &settings, const ScreenIdentity &screen)
{
    for (const Field &field : fields)
        settings.SaveSettingIfChanged(field.key, screen.*field.value);
}

}

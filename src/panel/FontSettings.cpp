#include "panel/FontSettings.h"

#include "base/ErrorTrap.h"
#include "base/FontChoice.h"
#include "base/PlatformServices.h"
#include "settings/Conversions.h"
#include "settings/FontDefaults.h"
#include "settings/SettingsStore.h"

#include <QLocale>
#include <algorithm>

namespace FontSettings {

float dialogSize(const QString &stored)
{
    return static_cast<float>(Conversions::toInt16(stored));
}

QString sizeText(float size, const QLocale &locale)
{
    QLocale format(locale);
    format.setNumberOptions(QLocale::OmitGroupSeparator);
    return format.toString(static_cast<double>(size), 'g', 7);
}

void change(ErrorTrap &trap, SettingsStore &settings, PlatformServices &platform, FontChoice &dialog)
{
    using Conversions::isFontFlagSet;
    using Conversions::truthText;
    // The dialog always offers screen fonts without effects: there is no option line to set.
    trap.line(102, [&] { dialog.name = settings.GetSetting("FontName", FontDefaults::name); });
    trap.line(104, [&] { dialog.bold = isFontFlagSet(settings.GetSetting("FontBold", FontDefaults::bold)); });
    trap.line(106, [&] { dialog.italic = isFontFlagSet(settings.GetSetting("FontItalic", "False")); });
    trap.line(108, [&] { dialog.size = dialogSize(settings.GetSetting("FontSize", FontDefaults::size)); });
    trap.line(110, [&] { dialog.strikethrough = isFontFlagSet(settings.GetSetting("FontStrikeThru", "False")); });
    trap.line(112, [&] { dialog.underline = isFontFlagSet(settings.GetSetting("FontUnderLine", "False")); });
    bool chosen = false;
    trap.line(114, [&] { chosen = platform.chooseFont(dialog); });
    // A cancel stores nothing: the file keeps what it holds, also what another copy wrote.
    if (!chosen)
        return;
    trap.line(116, [&] { settings.SaveSetting("FontName", dialog.name); });
    trap.line(118, [&] { settings.SaveSetting("FontBold", truthText(dialog.bold)); });
    trap.line(120, [&] { settings.SaveSetting("FontItalic", truthText(dialog.italic)); });
    trap.line(121, [&] { dialog.size = std::min(dialog.size, largestSize); });
    trap.line(122, [&] { settings.SaveSetting("FontSize", sizeText(dialog.size, QLocale::system())); });
    trap.line(124, [&] { settings.SaveSetting("FontStrikethru", truthText(dialog.strikethrough)); });
    trap.line(126, [&] { settings.SaveSetting("FontUnderline", truthText(dialog.underline)); });
}

void reset(ErrorTrap &trap, SettingsStore &settings)
{
    trap.line(100, [&] { settings.SaveSetting("FontName", FontDefaults::name); });
    trap.line(102, [&] { settings.SaveSetting("FontBold", FontDefaults::bold); });
    trap.line(104, [&] { settings.SaveSetting("FontItalic", "False"); });
    trap.line(106, [&] { settings.SaveSetting("FontSize", FontDefaults::size); });
    trap.line(108, [&] { settings.SaveSetting("FontStrikeThru", "False"); });
    trap.line(110, [&] { settings.SaveSetting("FontUnderLine", "False"); });
}

}

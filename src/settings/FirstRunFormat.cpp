#include "settings/FirstRunFormat.h"

#include "settings/SettingsStore.h"

#include <QRegularExpression>

namespace FirstRunFormat {

bool twentyFourHourIn(const QLocale &locale)
{
    if (locale.language() == QLocale::C)
        return false;
    // Text in quotes is written as it stands: an "a" there is no marker.
    static const QRegularExpression quoted(QStringLiteral("'[^']*'"));
    return !locale.timeFormat(QLocale::ShortFormat).remove(quoted).contains(u'a', Qt::CaseInsensitive);
}

bool startsTwentyFourHour(const SettingsStore &settings, const QLocale &locale)
{
    for (const char *key : { "Option1", "Option2", "Option3" }) {
        if (!settings.GetSetting(key, QString()).isNull())
            return false;
    }
    return twentyFourHourIn(locale);
}

}

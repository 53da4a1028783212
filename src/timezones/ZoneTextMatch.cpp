#include "timezones/ZoneTextMatch.h"

QString comparableZoneText(const QString &text)
{
    QString folded = text.toCaseFolded();
    folded.replace(QLatin1Char('_'), QLatin1Char(' '));
    return folded;
}

bool zoneTextMatches(const QString &displayText, const QString &typed)
{
    return comparableZoneText(displayText).contains(comparableZoneText(typed));
}

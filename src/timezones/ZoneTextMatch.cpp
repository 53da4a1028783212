#include "timezones/ZoneTextMatch.h"

namespace {

QString comparable(const QString &text)
{
    QString folded = text.toCaseFolded();
    folded.replace(QLatin1Char('_'), QLatin1Char(' '));
    return folded;
}

}

bool zoneTextMatches(const QString &displayText, const QString &typed)
{
    return comparable(displayText).contains(comparable(typed));
}

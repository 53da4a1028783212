#include "settings/WallScreenValues.h"

#include <QRegularExpression>

namespace WallScreenValues {

std::optional<bool> toOnOff(const QString &text)
{
    if (text == QLatin1String("On"))
        return true;
    if (text == QLatin1String("Off"))
        return false;
    return std::nullopt;
}

std::optional<QTime> toClockTime(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^([0-9]{2}):([0-9]{2})$"));
    const QRegularExpressionMatch match = pattern.match(text.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    const QTime time(match.captured(1).toInt(), match.captured(2).toInt());
    if (!time.isValid())
        return std::nullopt;
    return time;
}

QString clockTimeText(const QTime &time)
{
    return time.toString(QStringLiteral("HH:mm"));
}

std::optional<int> toDimLevel(const QString &text)
{
    bool ok = false;
    const int level = text.trimmed().toInt(&ok);
    if (!ok || level < 5 || level > 100)
        return std::nullopt;
    return level;
}

}

#include "settings/WallScreenValues.h"

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
    // Exactly "hh:mm".
    const QString trimmed = text.trimmed();
    const auto digitAt = [&trimmed](qsizetype i) { return trimmed[i] >= u'0' && trimmed[i] <= u'9'; };
    if (trimmed.size() != 5 || trimmed[2] != u':' || !digitAt(0) || !digitAt(1) || !digitAt(3) || !digitAt(4))
        return std::nullopt;
    const QTime time(trimmed.left(2).toInt(), trimmed.mid(3).toInt());
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
    if (!ok || level < dimmestLevel || level > 100)
        return std::nullopt;
    return level;
}

}

#include "timezones/modTimeFunctions.h"

#include "timezones/TzDatabaseFiles.h"

#include <QDir>

namespace modTimeFunctions {
namespace {

const QString systemFolder = QStringLiteral("/usr/share/zoneinfo");

// Removes leading and trailing spaces (spaces only, not tabs or line ends).
QString trimSpaces(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == QLatin1Char(' '))
        ++first;
    while (last > first && text[last - 1] == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first);
}

// The time-of-day format "hh:mm": "5:30" becomes "05:30"; an empty text stays empty and
// a text that is no time of day is kept as it is.
QString formatHoursMinutes(const QString &text)
{
    // Spaces around "h:m" or "h:m:s" (one or two digits each); a last line end is let
    // through as well.
    const QString time = trimSpaces(text.endsWith(u'\n') ? text.chopped(1) : text);
    qsizetype at = 0;
    const auto number = [&time, &at]() {
        const qsizetype start = at;
        while (at < time.size() && at - start < 2 && time[at] >= u'0' && time[at] <= u'9')
            ++at;
        return at == start ? -1 : time.mid(start, at - start).toInt();
    };
    const auto colon = [&time, &at]() {
        if (at >= time.size() || time[at] != u':')
            return false;
        ++at;
        return true;
    };
    const int hours = number();
    if (hours < 0 || !colon())
        return text;
    const int minutes = number();
    const int seconds = colon() ? number() : 0;
    if (minutes < 0 || seconds < 0 || at != time.size() || hours > 23 || minutes > 59 || seconds > 59)
        return text;
    return QStringLiteral("%1:%2").arg(hours, 2, 10, QLatin1Char('0')).arg(minutes, 2, 10, QLatin1Char('0'));
}

}

QString TimeZoneFolder()
{
    const QString named = qEnvironmentVariable("TZDIR");
    return named.isEmpty() ? systemFolder : named;
}

QString TimeZonesPath()
{
    return QDir(TimeZoneFolder()).filePath(QStringLiteral("zone.tab"));
}

QByteArrayList ReadZoneTab(const QString &path, bool *ok)
{
    QByteArrayList identifiers;
    const std::optional<QByteArray> text = TzDatabaseFiles::readFile(path);
    if (ok)
        *ok = text.has_value();
    if (!text)
        return identifiers;
    for (const TzDatabaseFiles::ZoneTabLine &line : TzDatabaseFiles::parseZoneTab(*text))
        identifiers.append(line.identifier);
    return identifiers;
}

QString OffsetDisplay(int minutesEastOfUtc, const QString &name)
{
    const QChar sign = minutesEastOfUtc < 0 ? QLatin1Char('-') : QLatin1Char('+');
    const int magnitude = qAbs(minutesEastOfUtc);
    return QStringLiteral("(UTC%1%2:%3) %4")
        .arg(sign)
        .arg(magnitude / 60, 2, 10, QLatin1Char('0'))
        .arg(magnitude % 60, 2, 10, QLatin1Char('0'))
        .arg(name);
}

QString NormaliseDisplay(const QString &display)
{
    // Positions are 1-based.
    const qsizetype openIndex = display.indexOf(QLatin1Char('('));
    const qsizetype opening = openIndex < 0 ? 1 : openIndex + 2;
    const qsizetype closeIndex = display.indexOf(QLatin1Char(')'));
    const qsizetype closing = closeIndex < 0 ? 0 : closeIndex + 1;

    const QString tag
        = (closing > opening ? display.mid(opening - 1, closing - opening) : display.mid(opening - 1)).toUpper();
    QString prefix;
    if (tag == QLatin1String("GMT"))
        prefix = QStringLiteral("(GMT) ");
    else
        prefix = QLatin1Char('(') + tag.left(4) + formatHoursMinutes(tag.mid(4)) + QStringLiteral(") ");

    return prefix + trimSpaces(display.mid(closing));
}

}

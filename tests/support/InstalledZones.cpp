#include "support/InstalledZones.h"

#include <QDateTime>
#include <QTimeZone>

namespace InstalledZones {

int standardMinutes(const QByteArray &zone)
{
    return QTimeZone(zone).standardTimeOffset(QDateTime::currentDateTimeUtc()) / 60;
}

QString listText(const QByteArray &zone)
{
    const int minutes = standardMinutes(zone);
    return QStringLiteral("(UTC%1%2:%3) %4")
        .arg(QChar(minutes < 0 ? u'-' : u'+'))
        .arg(qAbs(minutes) / 60, 2, 10, QLatin1Char('0'))
        .arg(qAbs(minutes) % 60, 2, 10, QLatin1Char('0'))
        .arg(QString::fromLatin1(zone));
}

}

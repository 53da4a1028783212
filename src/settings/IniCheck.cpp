#include "settings/IniCheck.h"

#include "base/FileHelpers.h"

#include <QFile>
#include <QStringDecoder>

bool isReadableIni(const QByteArray &content)
{
    if (content.contains('\0'))
        return false;
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(content);
    if (utf8.hasError())
        return false;
    const QStringList lines = QString(text).replace(QLatin1Char('\r'), QLatin1Char('\n')).split(QLatin1Char('\n'));
    for (const QString &rawLine : lines) {
        const QString line = rawLine.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('['))) {
            if (!line.contains(QLatin1Char(']')))
                return false;
        } else if (!line.contains(QLatin1Char('='))) {
            return false;
        }
    }
    return true;
}

QByteArray withInvalidUtf8Replaced(const QByteArray &content)
{
    return QString::fromUtf8(content).toUtf8();
}

bool isReadableIniFile(const QString &path)
{
    QFile file(path);
    if (!file.exists())
        return true;
    if (!openRegularFile(file))
        return false;
    return isReadableIni(file.readAll());
}

#include "base/ErrorReport.h"

#include "base/PlatformServices.h"
#include "base/ProductInfo.h"

namespace ErrorReport {

QString location(const char *window, const char *procedure)
{
    return QStringLiteral("in Lumetra2021/08/31.") + QLatin1String(window) + QLatin1Char('.') + QLatin1String(procedure)
        + QLatin1Char(' ');
}

QString messageText(const QString &description, const QString &location, int line)
{
    return description + QStringLiteral("\r\n") + location + QStringLiteral("at line ") + QString::number(line)
        + QStringLiteral("\r\r") + QStringLiteral("Please email screenshot of this message to ")
        + ProductInfo::supportEmail;
}

void show(PlatformServices &platform, const QString &description, const QString &location, int line)
{
    platform.showMessage(messageText(description, location, line), title, PlatformServices::MessageIcon::Warning);
}

}

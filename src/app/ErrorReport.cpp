#include "app/ErrorReport.h"

#include "app/PlatformServices.h"
#include "app/ProductInfo.h"

namespace ErrorReport {

QString messageText(const QString &description, const QString &location, int line)
{
    return description + QStringLiteral("\r\n") + location + QStringLiteral("at line ")
        + QString::number(line) + QStringLiteral("\r\r")
        + QStringLiteral("Please email screenshot of this message to ") + ProductInfo::supportEmail;
}

void show(PlatformServices &platform, const QString &description, const QString &location, int line)
{
    platform.showMessage(messageText(description, location, line), title,
                         PlatformServices::MessageIcon::Warning);
}

}

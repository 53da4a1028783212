#include "base/ErrorReport.h"

#include "base/PlatformServices.h"
#include "base/ProductInfo.h"
#include "base/SourceText.h"

#include <QCoreApplication>

namespace ErrorReport {

QString location(const char *window, const char *procedure)
{
    return QStringLiteral("in Lumetra2021/08/31.") + QLatin1String(window) + QLatin1Char('.') + QLatin1String(procedure)
        + QLatin1Char(' ');
}

QString messageText(const QString &description, const QString &location, int line)
{
    // The descriptions are English source texts; the report shows them in the user's language.
    return inUserLanguage("RuntimeError", description) + QStringLiteral("\r\n") + location
        + QCoreApplication::translate("ErrorReport", "at line %1").arg(line) + QStringLiteral("\r\r")
        + QCoreApplication::translate("ErrorReport", "Please email screenshot of this message to %1")
              .arg(ProductInfo::supportEmail);
}

void show(PlatformServices &platform, const QString &description, const QString &location, int line)
{
    platform.showMessage(messageText(description, location, line), inUserLanguage("ErrorReport", title),
                         PlatformServices::MessageIcon::Warning);
}

}

#include "settings/mStartUp.h"

#include "base/PlatformServices.h"
#include "base/ProductInfo.h"
#include "settings/RegStuff.h"

namespace {

void reportFailure(PlatformServices &platform, const std::optional<QString> &failure)
{
    if (failure)
        platform.showMessage(*failure, ProductInfo::productName, PlatformServices::MessageIcon::Warning);
}

}

void EnableStartup(PlatformServices &platform, const QString &executablePath)
{
    reportFailure(platform, AddRunEntry(executablePath));
}

void DisableStartup(PlatformServices &platform, const QString &executablePath)
{
    reportFailure(platform, RemoveRunEntry(executablePath));
}

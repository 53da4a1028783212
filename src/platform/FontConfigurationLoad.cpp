#include "platform/FontConfigurationLoad.h"

#include <fontconfig/fontconfig.h>

// fontconfig keeps the first configuration made and drops one made meanwhile by another
// thread, so Qt asking while the load runs costs time but never goes wrong.
FontConfigurationLoad::FontConfigurationLoad()
    : mLoading([] { FcInit(); })
{
}

FontConfigurationLoad::~FontConfigurationLoad()
{
    mLoading.join();
}

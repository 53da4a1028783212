#include "platform/FontConfigurationLoad.h"

#include <fontconfig/fontconfig.h>

// fontconfig keeps the first configuration made and drops one made meanwhile by another
// thread, so Qt asking while the load runs costs time but never goes wrong.
FontConfigurationLoad::FontConfigurationLoad()
    : mLoading([] { FcInit(); })
{
}

// A start that ends before Qt has used the configuration would leave it behind; after
// Qt has released it, nothing is left to free.
FontConfigurationLoad::~FontConfigurationLoad()
{
    mLoading.join();
    FcFini();
}

#include "dressing/PointerFile.h"

#include "base/FileHelpers.h"
#include "base/ProductInfo.h"
#include "dressing/MousePointer.h"

void loadPointerFile(MousePointer &pointer, const QString &programFolder)
{
    const QString pointerFile = programFilePath(programFolder, ProductInfo::pointerFileName);
    if (FileExists(pointerFile))
        pointer.setCustomPicture(MousePointer::loadPicture(pointerFile));
}

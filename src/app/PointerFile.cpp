#include "app/PointerFile.h"

#include "app/FileHelpers.h"
#include "app/MousePointer.h"
#include "app/ProductInfo.h"

void loadPointerFile(MousePointer &pointer, const QString &programFolder)
{
    const QString pointerFile = programFilePath(programFolder, ProductInfo::pointerFileName);
    if (FileExists(pointerFile))
        pointer.setCustomPicture(MousePointer::loadPicture(pointerFile));
}

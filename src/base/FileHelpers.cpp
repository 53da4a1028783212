#include "base/FileHelpers.h"

#include <QDir>
#include <QFileInfo>

bool FileExists(const QString &path)
{
    return !path.isEmpty() && QFileInfo::exists(path);
}

QString programFilePath(const QString &programFolder, const QString &fileName)
{
    return QDir(programFolder).filePath(fileName);
}

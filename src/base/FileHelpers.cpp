#include "base/FileHelpers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

bool FileExists(const QString &path)
{
    return !path.isEmpty() && QFileInfo::exists(path);
}

QString programFilePath(const QString &programFolder, const QString &fileName)
{
    return QDir(programFolder).filePath(fileName);
}

std::optional<QByteArray> readFileUpTo(const QString &path, qint64 maxBytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray content = file.read(maxBytes + 1);
    if (content.size() > maxBytes || file.error() != QFileDevice::NoError)
        return std::nullopt;
    return content;
}

#include "base/FileVersion.h"

#include <QFile>

#include <sys/stat.h>

FileVersion fileVersion(const QString &path)
{
    struct stat status { };
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return {};
    return { status.st_dev, status.st_ino, status.st_size,
             static_cast<qint64>(status.st_ctim.tv_sec) * 1000000000 + status.st_ctim.tv_nsec };
}

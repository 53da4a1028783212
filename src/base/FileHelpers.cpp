#include "base/FileHelpers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool FileExists(const QString &path)
{
    return !path.isEmpty() && QFileInfo::exists(path);
}

QString programFilePath(const QString &programFolder, const QString &fileName)
{
    return QDir(programFolder).filePath(fileName);
}

bool openRegularFile(QFile &file, QIODevice::OpenMode mode)
{
    // Without O_NONBLOCK, opening a FIFO waits for a writer; the flag is dropped again once
    // the file is known to be regular, where it makes no difference.
    const int descriptor = ::open(QFile::encodeName(file.fileName()).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor == -1)
        return false;
    struct stat status { };
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)
        || ::fcntl(descriptor, F_SETFL, ::fcntl(descriptor, F_GETFL) & ~O_NONBLOCK) != 0
        || !file.open(descriptor, mode | QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return false;
    }
    return true;
}

bool isOtherThanRegularFile(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() && !info.isFile();
}

std::optional<QByteArray> readFileUpTo(const QString &path, qint64 maxBytes)
{
    QFile file(path);
    if (!openRegularFile(file))
        return std::nullopt;
    QByteArray content = file.read(maxBytes + 1);
    if (content.size() > maxBytes || file.error() != QFileDevice::NoError)
        return std::nullopt;
    return content;
}

#include "timezones/ZoneFileWatch.h"

#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

ZoneFileWatch::ZoneFileWatch()
{
    connect(&mWatcher, &QFileSystemWatcher::fileChanged, this, &ZoneFileWatch::look);
    connect(&mWatcher, &QFileSystemWatcher::directoryChanged, this, &ZoneFileWatch::look);
}

void ZoneFileWatch::watch(const QStringList &files)
{
    if (!mWatcher.files().isEmpty())
        mWatcher.removePaths(mWatcher.files());
    if (!mWatcher.directories().isEmpty())
        mWatcher.removePaths(mWatcher.directories());
    mFiles = files;
    mFiles.removeAll(QString());
    mVersions.clear();
    for (const QString &file : std::as_const(mFiles))
        mVersions.append(versionOf(file));
    addPaths();
}

ZoneFileWatch::Version ZoneFileWatch::versionOf(const QString &file)
{
    struct stat status { };
    if (::stat(QFile::encodeName(file).constData(), &status) != 0)
        return {};
    return { status.st_dev, status.st_ino, status.st_size,
             static_cast<qint64>(status.st_ctim.tv_sec) * 1000000000 + status.st_ctim.tv_nsec };
}

void ZoneFileWatch::addPaths()
{
    QStringList paths;
    for (const QString &file : std::as_const(mFiles)) {
        const QFileInfo info(file);
        paths << file << info.absolutePath();
        const QString target = info.canonicalFilePath();
        if (!target.isEmpty() && target != info.absoluteFilePath())
            paths << target << QFileInfo(target).absolutePath();
    }
    paths.removeDuplicates();
    // A file replaced or a link re-pointed drops out of the watch: watching it again is
    // harmless for those watched already, and fails quietly for those that are gone.
    for (const QString &path : std::as_const(paths)) {
        if (QFileInfo::exists(path) && !mWatcher.files().contains(path) && !mWatcher.directories().contains(path))
            mWatcher.addPath(path);
    }
}

void ZoneFileWatch::look()
{
    bool changedNow = false;
    for (qsizetype k = 0; k < mFiles.size(); ++k) {
        const Version now = versionOf(mFiles.at(k));
        if (now != mVersions.at(k)) {
            mVersions[k] = now;
            changedNow = true;
        }
    }
    addPaths();
    if (changedNow)
        emit changed();
}

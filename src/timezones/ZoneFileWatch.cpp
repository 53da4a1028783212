#include "timezones/ZoneFileWatch.h"

#include <QFileInfo>

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
        mVersions.append(fileVersion(file));
    addPaths();
}

namespace {

// The path itself when it exists, else its nearest folder that does: a folder removed and
// made again is seen from the folder above it.
QString nearestExisting(const QString &path)
{
    QFileInfo at(path);
    while (!at.exists() && !at.isRoot())
        at = QFileInfo(at.absolutePath());
    return at.absoluteFilePath();
}

}

void ZoneFileWatch::addPaths()
{
    QStringList paths;
    for (const QString &file : std::as_const(mFiles)) {
        const QFileInfo info(file);
        paths << nearestExisting(file) << nearestExisting(info.absolutePath());
        // Where a link leads, even where that is gone for now.
        QString target = info.canonicalFilePath();
        if (target.isEmpty() && info.isSymLink())
            target = info.symLinkTarget();
        if (!target.isEmpty() && target != info.absoluteFilePath())
            paths << nearestExisting(target) << nearestExisting(QFileInfo(target).absolutePath());
    }
    paths.removeDuplicates();
    // A file replaced or a link re-pointed drops out of the watch, and so does a folder
    // removed: watching them again is harmless for those watched already.
    for (const QString &path : std::as_const(paths)) {
        if (!mWatcher.files().contains(path) && !mWatcher.directories().contains(path))
            mWatcher.addPath(path);
    }
}

void ZoneFileWatch::look()
{
    bool changedNow = false;
    for (qsizetype k = 0; k < mFiles.size(); ++k) {
        const FileVersion now = fileVersion(mFiles.at(k));
        if (now != mVersions.at(k)) {
            mVersions[k] = now;
            changedNow = true;
        }
    }
    addPaths();
    if (changedNow)
        emit changed();
}

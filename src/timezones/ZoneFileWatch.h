#pragma once

#include <QFileSystemWatcher>
#include <QList>
#include <QObject>
#include <QStringList>

#include <sys/types.h>
#include <tuple>

// Tells when zone files change: rewritten in place, replaced by a new file renamed over them
// (as package updates do) or, for a link such as /etc/localtime, pointed at another zone.
// The kernel reports changes to the files and their folders; nothing runs while none change.
class ZoneFileWatch : public QObject {
    Q_OBJECT

public:
    ZoneFileWatch();

    // Watches these files from now on, instead of those watched so far.
    void watch(const QStringList &files);

signals:
    void changed();

private:
    // What tells one version of a file from another: device, inode, size, change time.
    using Version = std::tuple<dev_t, ino_t, off_t, qint64>;
    static Version versionOf(const QString &file);

    // Watches the files, their folders, and where links lead.
    void addPaths();
    void look();

    QFileSystemWatcher mWatcher;
    QStringList mFiles;
    QList<Version> mVersions;
};

#pragma once

#include "base/FileVersion.h"

#include <QFileSystemWatcher>
#include <QList>
#include <QObject>
#include <QStringList>

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
    // Watches the files, their folders, and where links lead; for each that is missing, the
    // nearest folder above it that exists, until it is made again.
    void addPaths();
    void look();

    QFileSystemWatcher mWatcher;
    QStringList mFiles;
    QList<FileVersion> mVersions;
};

#include "settings/SettingsLock.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <algorithm>

namespace SettingsLock {
namespace {

using namespace std::chrono_literals;

// QLockFile writes its few bytes right after making the file; an empty lock this old is
// no writer's any more.
constexpr std::chrono::milliseconds emptyLockAge = 1s;
constexpr std::chrono::milliseconds retryEvery = 100ms;

void removeOldEmptyLock(const QString &lockPath)
{
    const QFileInfo lock(lockPath);
    if (!lock.isFile() || lock.size() != 0
        || lock.lastModified().msecsTo(QDateTime::currentDateTime()) < emptyLockAge.count())
        return;
    // The guard QLockFile takes to remove a stale lock, so two copies never remove a lock
    // that one of them has just made.
    QLockFile guard(lockPath + QStringLiteral(".rmlock"));
    if (guard.tryLock())
        QFile::remove(lockPath);
}

}

bool isFree(const QString &filePath, std::chrono::milliseconds timeout)
{
    const QString lockPath = filePath + QStringLiteral(".lock");
    // QSettings makes the file's folder before it takes the lock; so must the lock's test.
    QDir().mkpath(QFileInfo(filePath).absolutePath());
    // QSettings' own stale time (QLockFile's default).
    QLockFile lock(lockPath);
    const QDeadlineTimer deadline(timeout);
    while (true) {
        removeOldEmptyLock(lockPath);
        if (lock.tryLock(static_cast<int>(std::min<qint64>(deadline.remainingTime(), retryEvery.count())))) {
            lock.unlock();
            return true;
        }
        if (lock.error() != QLockFile::LockFailedError || deadline.hasExpired())
            return false;
    }
}

}

#include "settings/RegStuff.h"

#include "settings/AutostartEntry.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <cerrno>
#include <filesystem>
#include <functional>
#include <system_error>
#include <unistd.h>

namespace {

QString writeFailure(const QString &entryFile, const QString &reason)
{
    return QCoreApplication::translate("RegStuff",
                                       "The program will not start at log-in: the start-up entry \"%1\" "
                                       "could not be written (%2).")
        .arg(entryFile, reason);
}

std::optional<QString> makeFolder(const QString &folder)
{
    std::error_code error;
    std::filesystem::create_directories(QFile::encodeName(folder).toStdString(), error);
    if (!error)
        return std::nullopt;
    return QCoreApplication::translate("RegStuff", "the folder \"%1\" could not be made: %2")
        .arg(folder, QString::fromLocal8Bit(error.message()));
}

// Writes the user's entry of this executable, replacing any earlier one in a single step.
std::optional<QString> writeEntry(const QString &executablePath, const QString &text,
                                  const std::function<QString(const QString &, const QString &)> &failure)
{
    const QString entryFile = AutostartEntry::filePathFor(executablePath);
    if (const std::optional<QString> problem = makeFolder(AutostartEntry::folder()))
        return failure(entryFile, *problem);
    QSaveFile file(entryFile);
    if (!file.open(QIODevice::WriteOnly))
        return failure(entryFile, file.errorString());
    file.write(text.toUtf8());
    if (!file.commit())
        return failure(entryFile, file.errorString());
    return std::nullopt;
}

QString removalFailure(const QString &entryFile, const QString &reason)
{
    return QCoreApplication::translate("RegStuff",
                                       "The program may still start at log-in: the start-up entry \"%1\" "
                                       "could not be removed (%2).")
        .arg(entryFile, reason);
}

}

std::optional<QString> AddRunEntry(const QString &executablePath)
{
    if (const std::optional<QString> problem = AutostartEntry::pathProblem(executablePath)) {
        return QCoreApplication::translate("RegStuff", "The program cannot be started at log-in: %1.").arg(*problem);
    }
    return writeEntry(executablePath, AutostartEntry::text(executablePath), writeFailure);
}

std::optional<QString> RemoveRunEntry(const QString &executablePath)
{
    // No entry is ever written for such a path, so there is none to delete either.
    if (AutostartEntry::pathProblem(executablePath))
        return std::nullopt;
    // A site's entry of the same name starts the program for every user: the user's own
    // entry, hidden, keeps it from starting this user's.
    if (!AutostartEntry::siteEntriesFor(executablePath).isEmpty())
        return writeEntry(executablePath, AutostartEntry::hiddenText(executablePath), removalFailure);
    const QString entryFile = AutostartEntry::filePathFor(executablePath);
    // Only the entry itself is deleted (a link, not what it points to); a missing entry,
    // or a missing folder, leaves nothing that could start the program.
    const int error = ::unlink(QFile::encodeName(entryFile).constData()) == 0 ? 0 : errno;
    if (error == 0 || error == ENOENT || error == ENOTDIR)
        return std::nullopt;
    return removalFailure(entryFile, QString::fromLocal8Bit(std::generic_category().message(error)));
}

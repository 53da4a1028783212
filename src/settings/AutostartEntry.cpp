#include "settings/AutostartEntry.h"

#include "base/FileHelpers.h"
#include "base/ProductInfo.h"
#include "settings/DesktopExec.h"
#include "settings/SiteFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>

namespace AutostartEntry {
namespace {

// The path as a message can show it: control characters written as escapes.
QString visiblePath(const QString &path)
{
    QString shown;
    for (const QChar c : path) {
        if (c == QLatin1Char('\n'))
            shown += QStringLiteral("\\n");
        else if (DesktopExec::isControlCharacter(c))
            shown += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            shown += c;
    }
    return shown;
}

}

QString folder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("autostart"));
}

QString filePathFor(const QString &executablePath)
{
    return QDir(folder()).filePath(QFileInfo(executablePath).fileName() + QStringLiteral(".desktop"));
}

std::optional<QString> pathProblem(const QString &executablePath)
{
    if (executablePath.isEmpty())
        return QCoreApplication::translate("AutostartEntry", "the program's own file is not known");
    if (std::any_of(executablePath.cbegin(), executablePath.cend(), DesktopExec::isControlCharacter)) {
        return QCoreApplication::translate("AutostartEntry",
                                           "the program's path \"%1\" contains a line break or another control "
                                           "character, which a start-up entry cannot hold")
            .arg(visiblePath(executablePath));
    }
    if (!QDir::isAbsolutePath(executablePath))
        return QCoreApplication::translate("AutostartEntry", "the program's path \"%1\" is not a full path")
            .arg(executablePath);
    return std::nullopt;
}

QString hiddenText(const QString &executablePath)
{
    return text(executablePath) + QStringLiteral("Hidden=true\n");
}

QStringList siteEntriesFor(const QString &executablePath)
{
    const QString name = QFileInfo(filePathFor(executablePath)).fileName();
    QStringList entries;
    for (const QString &siteFolder : siteConfigFolders()) {
        const QString entry = QDir(siteFolder).filePath(QStringLiteral("autostart/") + name);
        if (QFileInfo(entry).isFile())
            entries.append(entry);
    }
    return entries;
}

bool startsAtLogIn(const QString &executablePath)
{
    QFile own(filePathFor(executablePath));
    if (!openRegularFile(own))
        return !siteEntriesFor(executablePath).isEmpty();
    const QList<QByteArray> lines = own.readAll().split('\n');
    return !lines.contains(QByteArrayLiteral("Hidden=true"));
}

QString text(const QString &executablePath)
{
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Version=1.0\n"
                          "Name=%1\n"
                          "Exec=%2\n")
        .arg(DesktopExec::escapeStringValue(ProductInfo::productName), DesktopExec::execValue({ executablePath }));
}

}

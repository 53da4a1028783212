#include "timezones/CatalogueLanguages.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace CatalogueLanguages {

QStringList languages(const QStringList &uiLanguages)
{
    QStringList tried;
    for (const QString &uiLanguage : uiLanguages) {
        if (uiLanguage == QLatin1String("C") || uiLanguage == QLatin1String("POSIX"))
            break;
        const QStringList parts = uiLanguage.split(QLatin1Char('-'));
        // A territory is two letters or three digits; a script ("Hans") is four letters.
        const auto territory = std::find_if(parts.cbegin() + 1, parts.cend(), [](const QString &part) {
            return part.size() == 2 || (part.size() == 3 && part.at(0).isDigit());
        });
        QStringList forms;
        if (territory != parts.cend())
            forms << parts.first() + u'_' + *territory;
        forms << parts.first();
        for (const QString &form : forms) {
            if (!tried.contains(form))
                tried << form;
        }
    }
    return tried;
}

QString cataloguePath(const QStringList &uiLanguages, const QStringList &localeFolders, const QString &domain)
{
    const QString file = QStringLiteral("/LC_MESSAGES/") + domain + QStringLiteral(".mo");
    for (const QString &language : languages(uiLanguages)) {
        for (const QString &folder : localeFolders) {
            const QString path = QDir(folder).filePath(language + file);
            if (QFileInfo(path).isFile())
                return path;
        }
    }
    return {};
}

}

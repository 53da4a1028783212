#pragma once

#include <QString>
#include <QStringList>

// Where gettext would look for a message catalogue of the user's languages.
namespace CatalogueLanguages {

// The catalogue languages to try, in order, for a list of UI languages as
// QLocale::uiLanguages() gives them (it follows LANGUAGE, LC_ALL, LC_MESSAGES and LANG):
// each with its territory, then without ("pt-BR" tries "pt_BR", then "pt"); the script is
// not part of a catalogue's name. "C" ends the list: its texts are the English ones.
QStringList languages(const QStringList &uiLanguages);

// The first catalogue of domain for those languages among the folders that hold
// <language>/LC_MESSAGES/<domain>.mo; empty when there is none.
QString cataloguePath(const QStringList &uiLanguages, const QStringList &localeFolders, const QString &domain);

}

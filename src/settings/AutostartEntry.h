#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The per-user XDG autostart entry that starts the program at log-in:
// $XDG_CONFIG_HOME/autostart/<executable file name>.desktop, running the executable
// by its full path, without arguments.
namespace AutostartEntry {

// The folder the desktop reads autostart entries from.
QString folder();

// Where the entry for this executable lives.
QString filePathFor(const QString &executablePath);

// Why no entry can run this executable, or nothing when one can: the path must be known,
// absolute, and free of line breaks and other control characters.
std::optional<QString> pathProblem(const QString &executablePath);

// The entry's text; the path must have no problem.
QString text(const QString &executablePath);
// The text of an entry that keeps a site's entry of the same name from starting the program
// (the autostart rule: a user's entry with Hidden=true hides the site's).
QString hiddenText(const QString &executablePath);

// The site's entries of this executable's name, under the autostart folders of the site's
// configuration folders, that exist.
QStringList siteEntriesFor(const QString &executablePath);
// Whether the desktop starts the program at log-in: the user's entry decides where there is
// one, else any of the site's.
bool startsAtLogIn(const QString &executablePath);

}

#pragma once

#include <QString>
#include <QStringList>

// The command line of a Desktop Entry's Exec key, as the start-up entry writes it.
//
// Writing takes two levels: each argument is quoted as the command-line rules require
// (double quotes around any argument with a reserved character, a backslash before
// '"', '`', '$' and '\' inside them, '%' written "%%"), then the whole value is escaped
// as a string value ('\' written "\\").
namespace DesktopExec {

// Characters that an argument may hold only inside double quotes.
inline const QString reservedCharacters = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
// Characters written with a backslash inside double quotes.
inline const QString escapedInQuotes = QStringLiteral("\"`$\\");

// ASCII control characters, which a string value may not hold as they are.
bool isControlCharacter(QChar c);

// One argument as it appears on the command line, before string escaping.
QString quoteArgument(const QString &argument);

// A string value as it is written after "Key=".
QString escapeStringValue(const QString &value);

// The text after "Exec=" that runs exactly these arguments.
QString execValue(const QStringList &arguments);

}

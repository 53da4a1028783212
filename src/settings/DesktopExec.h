#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The command line of a Desktop Entry's Exec key, in both directions.
//
// Writing takes two levels: each argument is quoted as the command-line rules require
// (double quotes around any argument with a reserved character, a backslash before
// '"', '`', '$' and '\' inside them, '%' written "%%"), then the whole value is escaped
// as a string value ('\' written "\\"). Reading undoes both.
namespace DesktopExec {

// ASCII control characters, which a string value may not hold as they are.
bool isControlCharacter(QChar c);

// One argument as it appears on the command line, before string escaping.
QString quoteArgument(const QString &argument);

// A string value as it is written after "Key=".
QString escapeStringValue(const QString &value);

// The text after "Exec=" that runs exactly these arguments.
QString execValue(const QStringList &arguments);

// The arguments of the text after "Exec=", or nothing when the text does not follow the
// rules (then error, when given, says why). Field codes other than "%%" are refused, as
// the entries this program writes carry none.
std::optional<QStringList> parseExecValue(const QString &value, QString *error = nullptr);

}

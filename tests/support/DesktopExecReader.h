#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// Reads back the Exec value that DesktopExec writes, undoing both of its levels, as a
// desktop does before it runs the entry: tests and fuzzing check the writing with it.
namespace DesktopExec {

// The arguments of the text after "Exec=", or nothing when the text does not follow the
// rules (then error, when given, says why). Field codes other than "%%" are refused, as
// the entries the program writes carry none.
std::optional<QStringList> parseExecValue(const QString &value, QString *error = nullptr);

}

#pragma once

#include <QString>
#include <stdexcept>

// A failure of a program step; its description is what the error report shows
// ("Type mismatch", "Overflow", "Invalid property value", ...).
class RuntimeError : public std::runtime_error {
public:
    explicit RuntimeError(const QString &description)
        : std::runtime_error(description.toStdString())
    {
    }

    QString description() const { return QString::fromStdString(what()); }
};

namespace RuntimeErrors {
inline const QString typeMismatch = QStringLiteral("Type mismatch");
inline const QString overflow = QStringLiteral("Overflow");
inline const QString invalidPropertyValue = QStringLiteral("Invalid property value");
inline const QString invalidCall = QStringLiteral("Invalid procedure call or argument");
inline const QString subscriptOutOfRange = QStringLiteral("Subscript out of range");
inline const QString invalidPicture = QStringLiteral("Invalid picture");
inline const QString fileNotFound = QStringLiteral("File not found");
}

#pragma once

#include <QString>
#include <stdexcept>

// A failure of a program step; its description is what the error report shows, in the
// user's language ("Type mismatch", "Overflow", "Invalid property value", ...).
class RuntimeError : public std::runtime_error {
public:
    explicit RuntimeError(const QString &description)
        : std::runtime_error(description.toStdString())
    {
    }

    QString description() const { return QString::fromStdString(what()); }
};

namespace RuntimeErrors {
inline const QString typeMismatch = QStringLiteral(QT_TRANSLATE_NOOP("RuntimeError", "Type mismatch"));
inline const QString overflow = QStringLiteral(QT_TRANSLATE_NOOP("RuntimeError", "Overflow"));
inline const QString invalidPropertyValue = QStringLiteral(QT_TRANSLATE_NOOP("RuntimeError", "Invalid property value"));
inline const QString invalidCall
    = QStringLiteral(QT_TRANSLATE_NOOP("RuntimeError", "Invalid procedure call or argument"));
inline const QString subscriptOutOfRange = QStringLiteral(QT_TRANSLATE_NOOP("RuntimeError", "Subscript out of range"));
inline const QString invalidPicture = QStringLiteral(QT_TRANSLATE_NOOP("RuntimeError", "Invalid picture"));
inline const QString fileNotFound = QStringLiteral(QT_TRANSLATE_NOOP("RuntimeError", "File not found"));
}

#pragma once

#include <QString>

// The clock's font when nothing is stored: what the clock draws, what the font dialog
// offers first and what the reset button stores.
namespace FontDefaults {

inline const QString name = QStringLiteral("Arial");
inline const QString bold = QStringLiteral("True");
inline const QString size = QStringLiteral("150");

}

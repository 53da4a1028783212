#pragma once

#include <QString>

// The clock's font when nothing is stored: what the clock draws, what the font dialog
// offers first and what the reset button stores.
namespace FontDefaults {

inline const QString name = QStringLiteral("Arial");
inline const QString bold = QStringLiteral("True");
inline const QString size = QStringLiteral("150");
// The clock never draws its time smaller than this, whatever size is stored: a wall clock of
// a few pixels reads as a fault.
constexpr int smallestClockPoints = 12;

}

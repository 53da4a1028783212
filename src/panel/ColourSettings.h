#pragma once

#include <QStringList>

class ErrorTrap;
class SettingsStore;

// The clock's digit and background colours, stored as decimal colour values with red
// in the low byte.
namespace ColourSettings {

inline const QString fontColourKey = QStringLiteral("Font Color");
inline const QString backgroundColourKey = QStringLiteral("Background Color");
inline const QStringList keys { fontColourKey, backgroundColourKey };
constexpr qint32 defaultFontColour = 0xFFFFFF;
constexpr qint32 defaultBackgroundColour = 0;

// The stored colour value, or the fallback when nothing is stored. Throws RuntimeError
// when the text is no 32-bit integer.
qint32 stored(const SettingsStore &settings, const QString &key, qint32 fallback);

void save(SettingsStore &settings, const QString &key, qint32 colour);

// Stores white digits on black as numbered lines of the caller's guarded procedure.
void reset(ErrorTrap &trap, SettingsStore &settings);

}

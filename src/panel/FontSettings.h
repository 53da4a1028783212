#pragma once

#include <QStringList>

class ErrorTrap;
class PlatformServices;
class QLocale;
class SettingsStore;
struct FontChoice;

// The clock font's six settings: chosen in the font dialog or reset to the defaults.
// The steps run as numbered lines of the caller's guarded procedure.
namespace FontSettings {

constexpr float largestSize = 250.0F;
// The keys the dialog and the reset write.
inline const QStringList keys { "FontName", "FontBold", "FontItalic", "FontSize", "FontStrikeThru", "FontUnderLine" };

// A stored size as the dialog takes it: read as a number, rounded to a whole 16-bit
// value (a half to the even neighbour). Throws RuntimeError for other text.
float dialogSize(const QString &stored);

// A size as stored: a whole size without a fraction, another with the locale's decimal
// separator; at most seven significant digits and never a group separator, so that the
// size reads back.
QString sizeText(float size, const QLocale &locale);

// Pre-sets the dialog from the stored font, shows it, and stores what the user leaves
// in it, the size capped at 250. A cancelled dialog stores its pre-set values again.
void change(ErrorTrap &trap, SettingsStore &settings, PlatformServices &platform, FontChoice &dialog);

// Stores the default font: Arial 150 bold.
void reset(ErrorTrap &trap, SettingsStore &settings);

}

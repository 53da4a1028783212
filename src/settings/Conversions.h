#pragma once

#include <QString>

// How the readers turn stored texts into values. A text that cannot be read throws
// RuntimeError with "Type mismatch" or "Overflow".
namespace Conversions {

// Decimal (or &H hexadecimal, &O octal) text to a 16-bit integer; a fraction is rounded
// to the nearest integer, an exact half to the even neighbour.
qint16 toInt16(const QString &text);

// The same to a 32-bit integer (colours).
qint32 toInt32(const QString &text);

// "True"/"False" in any letter case, or a number: zero is false, anything else true.
bool toTruth(const QString &text);

// Start-up options: ticked exactly when the text is "On".
bool isOn(const QString &text);

// Font flags: set exactly when the text is "True".
bool isFontFlagSet(const QString &text);

QString truthText(bool value);
QString onOffText(bool value);

}

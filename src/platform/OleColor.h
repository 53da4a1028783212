#pragma once

#include <QColor>

// Stored colours are 32-bit values with red in the low byte, then green, then blue.
// Values with the high bit set name system colours: &H8000000F the button face and
// &H80000012 the button text, taken from the application's palette.
namespace OleColor {

constexpr qint32 buttonFace = qint32(0x8000000F);
constexpr qint32 buttonText = qint32(0x80000012);

// Throws RuntimeError("Invalid property value") for a value that names no colour.
QColor toColor(qint32 value);
qint32 fromColor(const QColor &colour);

}

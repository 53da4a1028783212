#pragma once

#include <QFont>
#include <QString>

// The font with a fallback face for the text's characters that its own face lacks (the
// Japanese marker beside Latin digits): an installed face that has all of them in a real
// style of the font's weight and slant, so that they are drawn as heavy as the rest rather
// than in whatever face the system falls back to. The font as it is where its face has every
// character or no installed face has the missing ones in that weight.
QFont withFallbackFace(QFont font, const QString &text);

#pragma once

#include <QString>

// What the font dialog is pre-set to and what it hands back: a screen font's face, its
// style, its size in points and its two effects. A dialog that was never pre-set holds
// these initial values.
struct FontChoice {
    QString name;
    bool bold = false;
    bool italic = false;
    float size = 8.0F;
    bool strikethrough = false;
    bool underline = false;

    friend bool operator==(const FontChoice &, const FontChoice &) = default;
};

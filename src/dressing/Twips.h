#pragma once

#include <QRect>
#include <cmath>

// Window lengths are designed in twips: 15 twips make one logical pixel.
constexpr int twipsPerPixel = 15;

inline int twips(int value)
{
    return static_cast<int>(std::lround(static_cast<double>(value) / twipsPerPixel));
}

inline QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

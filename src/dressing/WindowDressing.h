#pragma once

#include <QString>

class QColor;
class QWidget;
class SkinFramework;

// Fills the widget's background with the colour.
void setBackgroundColour(QWidget &widget, const QColor &colour);

// Gives a window and its option buttons, check boxes, frames and labels the system
// button-face colour.
void SetFormColors(QWidget &window);

// When the skin file lies beside the program, dresses the window in button-face colours,
// loads the skin and has it dress this window and every later one.
void ApplySkin(QWidget &window, SkinFramework &skin, const QString &programFolder);

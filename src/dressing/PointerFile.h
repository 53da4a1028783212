#pragma once

#include <QString>

class MousePointer;

// Gives the window's pointer the hand picture from "HAND-M.CUR" in the program's folder
// when that file exists; throws RuntimeError when it holds no picture.
void loadPointerFile(MousePointer &pointer, const QString &programFolder);

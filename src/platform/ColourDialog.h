#pragma once

#include <QtGlobal>

// The desktop's colour dialog on a colour value (red in the low byte): the colour chosen,
// or the initial value unchanged when the user cancels.
qint32 runColourDialog(qint32 initial);

#pragma once

#include <QtGlobal>
#include <optional>

// The desktop's colour dialog on a colour value (red in the low byte): the colour chosen,
// or nothing when the user cancels.
std::optional<qint32> runColourDialog(qint32 initial);

#pragma once

#include <QByteArray>
#include <QPoint>
#include <optional>

// The hot spot of the first image of a Windows pointer file (.cur), read from its
// directory entry; nothing when the data is not a pointer file.
std::optional<QPoint> cursorHotSpot(const QByteArray &data);

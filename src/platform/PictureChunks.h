#pragma once

#include <QByteArray>

// Whether every PNG stream in a picture file keeps its chunks within the file: a PNG file
// itself, or each PNG image an icon or pointer file (.ico, .cur) lists. libpng allocates
// a chunk at its declared length before reading it, so a few bytes declaring a chunk of
// a gigabyte cost a gigabyte. Data without PNG streams passes.
bool pngChunksFit(const QByteArray &data);

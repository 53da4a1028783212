#include "platform/CursorFile.h"

#include <QtEndian>

namespace {

quint16 readWord(const QByteArray &data, qsizetype offset)
{
    return qFromLittleEndian<quint16>(data.constData() + offset);
}

}

std::optional<QPoint> cursorHotSpot(const QByteArray &data)
{
    // Header: reserved 0, type 2 (pointer), image count; then 16-byte directory entries
    // whose fields 4 and 6 hold the hot spot.
    constexpr qsizetype headerSize = 6;
    constexpr qsizetype entrySize = 16;
    constexpr quint16 pointerType = 2;
    if (data.size() < headerSize + entrySize)
        return std::nullopt;
    if (readWord(data, 0) != 0 || readWord(data, 2) != pointerType || readWord(data, 4) == 0)
        return std::nullopt;
    return QPoint(readWord(data, headerSize + 4), readWord(data, headerSize + 6));
}

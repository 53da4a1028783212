#include "platform/PictureChunks.h"

#include <QtEndian>

namespace {

const QByteArray pngSignature("\x89PNG\r\n\x1a\n", 8);

bool streamChunksFit(QByteArrayView stream)
{
    constexpr qsizetype chunkFrame = 12; // length, type, then the CRC after the data
    qsizetype position = pngSignature.size();
    while (position + chunkFrame <= stream.size()) {
        const quint32 length = qFromBigEndian<quint32>(stream.data() + position);
        if (length > static_cast<quint64>(stream.size() - position - chunkFrame))
            return false;
        if (stream.sliced(position + 4, 4) == QByteArrayView("IEND"))
            return true;
        position += chunkFrame + static_cast<qsizetype>(length);
    }
    // A stream cut short ends in a read error, not in a large allocation.
    return true;
}

bool isPng(QByteArrayView data)
{
    return data.startsWith(pngSignature);
}

}

bool pngChunksFit(const QByteArray &data)
{
    if (isPng(data))
        return streamChunksFit(data);
    // Icon and pointer files: reserved 0, type 1 or 2, image count, then 16-byte entries
    // whose last two double words give each image's size and offset.
    constexpr qsizetype headerSize = 6;
    constexpr qsizetype entrySize = 16;
    if (data.size() < headerSize || qFromLittleEndian<quint16>(data.constData()) != 0)
        return true;
    const quint16 type = qFromLittleEndian<quint16>(data.constData() + 2);
    if (type != 1 && type != 2)
        return true;
    const quint16 count = qFromLittleEndian<quint16>(data.constData() + 4);
    for (qsizetype entry = headerSize; entry < headerSize + count * entrySize && entry + entrySize <= data.size();
         entry += entrySize) {
        const quint32 offset = qFromLittleEndian<quint32>(data.constData() + entry + 12);
        if (offset >= static_cast<quint64>(data.size()))
            continue;
        const QByteArrayView image = QByteArrayView(data).sliced(offset);
        if (isPng(image) && !streamChunksFit(image))
            return false;
    }
    return true;
}

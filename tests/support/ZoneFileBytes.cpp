#include "support/ZoneFileBytes.h"

namespace ZoneFileBytes {

QByteArray bigEndian(qint64 value, int size)
{
    QByteArray bytes;
    for (int shift = 8 * (size - 1); shift >= 0; shift -= 8)
        bytes.append(static_cast<char>(value >> shift));
    return bytes;
}

QByteArray header(char version, const QList<quint32> &counts)
{
    QByteArray bytes = QByteArray("TZif") + version + QByteArray(15, '\0');
    for (quint32 count : counts)
        bytes += bigEndian(count, 4);
    return bytes;
}

QByteArray type(qint64 offset)
{
    return bigEndian(offset, 4) + QByteArray(2, '\0');
}

QByteArray version2(const QList<quint32> &counts, const QByteArray &data)
{
    return header('2', { 0, 0, 0, 0, 1, 1 }) + type(0) + '\0' + header('2', counts) + data;
}

QByteArray fixedOffset(qint64 offset)
{
    return version2({ 0, 0, 0, 0, 1, 1 }, type(offset) + '\0' + "\n\n");
}

}

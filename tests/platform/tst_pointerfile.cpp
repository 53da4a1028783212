#include "base/RuntimeError.h"
#include "dressing/MousePointer.h"
#include "platform/CursorFile.h"
#include "platform/PictureChunks.h"

#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

namespace {

QByteArray cursorHeader(quint16 reserved, quint16 type, quint16 count, quint16 hotX, quint16 hotY)
{
    QByteArray data(6 + 16, '\0');
    qToLittleEndian<quint16>(reserved, data.data());
    qToLittleEndian<quint16>(type, data.data() + 2);
    qToLittleEndian<quint16>(count, data.data() + 4);
    qToLittleEndian<quint16>(hotX, data.data() + 6 + 4);
    qToLittleEndian<quint16>(hotY, data.data() + 6 + 6);
    return data;
}

QByteArray pngChunk(const QByteArray &type, quint32 declaredLength, const QByteArray &content)
{
    QByteArray chunk(4, '\0');
    qToBigEndian<quint32>(declaredLength, chunk.data());
    return chunk + type + content + QByteArray(4, '\0');
}

const QByteArray pngSignature("\x89PNG\r\n\x1a\n", 8);

QByteArray soundPng()
{
    return pngSignature + pngChunk("IHDR", 13, QByteArray(13, '\1')) + pngChunk("IEND", 0, {});
}

// A pointer file whose one image, right after its directory, is the given data.
QByteArray pointerFileHolding(const QByteArray &image)
{
    QByteArray header = cursorHeader(0, 2, 1, 1, 1);
    qToLittleEndian<quint32>(static_cast<quint32>(image.size()), header.data() + 6 + 8);
    qToLittleEndian<quint32>(static_cast<quint32>(header.size()), header.data() + 6 + 12);
    return header + image;
}

}

class TestPointerFile : public QObject {
    Q_OBJECT

private slots:
    void cursorHotSpot_data();
    void cursorHotSpot();
    void pngChunksFit_data();
    void pngChunksFit();
    void unreadablePictureIsRefused_data();
    void unreadablePictureIsRefused();
};

void TestPointerFile::cursorHotSpot_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QPoint>("hotSpot");
    QTest::newRow("pointer file") << cursorHeader(0, 2, 1, 5, 9) << true << QPoint(5, 9);
    QTest::newRow("icon file is no pointer") << cursorHeader(0, 1, 1, 5, 9) << false << QPoint();
    QTest::newRow("no images") << cursorHeader(0, 2, 0, 5, 9) << false << QPoint();
    QTest::newRow("reserved field set") << cursorHeader(1, 2, 1, 5, 9) << false << QPoint();
    QTest::newRow("cut short") << cursorHeader(0, 2, 1, 5, 9).left(20) << false << QPoint();
    QTest::newRow("empty") << QByteArray() << false << QPoint();
}

void TestPointerFile::cursorHotSpot()
{
    QFETCH(QByteArray, data);
    QFETCH(bool, valid);
    QFETCH(QPoint, hotSpot);
    const std::optional<QPoint> result = ::cursorHotSpot(data);
    QCOMPARE(result.has_value(), valid);
    if (valid)
        QCOMPARE(*result, hotSpot);
}

void TestPointerFile::pngChunksFit_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<bool>("fits");
    // Found by fuzzing: 276 bytes that made libpng allocate and fill 1.9 GB.
    const QByteArray overlong = pngSignature + pngChunk("IHDR", 13, QByteArray(13, '\1'))
        + pngChunk("tEXt", 0x45587464, "date") + pngChunk("IEND", 0, {});
    QTest::newRow("PNG") << soundPng() << true;
    QTest::newRow("PNG chunk declared past the end") << overlong << false;
    QTest::newRow("PNG chunk one byte past the end")
        << pngSignature + pngChunk("IHDR", 14, QByteArray(13, '\1')) << false;
    QTest::newRow("PNG cut short in a chunk header") << soundPng().left(12) << true;
    QTest::newRow("pointer file with a PNG image") << pointerFileHolding(soundPng()) << true;
    QTest::newRow("pointer file with an overlong PNG image") << pointerFileHolding(overlong) << false;
    QTest::newRow("pointer file with a bitmap image") << pointerFileHolding(QByteArray(40, '\0')) << true;
    QTest::newRow("pointer file without image data") << cursorHeader(0, 2, 1, 1, 1) << true;
    QTest::newRow("other format") << QByteArray("GIF89a") << true;
    QTest::newRow("empty") << QByteArray() << true;
}

void TestPointerFile::pngChunksFit()
{
    QFETCH(QByteArray, data);
    QFETCH(bool, fits);
    QCOMPARE(::pngChunksFit(data), fits);
}

void TestPointerFile::unreadablePictureIsRefused_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("description");
    QTest::newRow("no such file") << QByteArray() << RuntimeErrors::fileNotFound;
    QTest::newRow("PNG chunk declared past the end")
        << pngSignature + pngChunk("tEXt", 99, "date") << RuntimeErrors::invalidPicture;
}

void TestPointerFile::unreadablePictureIsRefused()
{
    QFETCH(QByteArray, data);
    QFETCH(QString, description);
    QTemporaryDir folder;
    const QString path = folder.filePath("pointer.cur");
    QFile file(path);
    QVERIFY(data.isEmpty() || (file.open(QIODevice::WriteOnly) && file.write(data) == data.size()));
    file.close();
    try {
        MousePointer::loadPicture(path);
        QFAIL("no refusal");
    } catch (const RuntimeError &error) {
        QCOMPARE(error.description(), description);
    }
}

QTEST_GUILESS_MAIN(TestPointerFile)
#include "tst_pointerfile.moc"

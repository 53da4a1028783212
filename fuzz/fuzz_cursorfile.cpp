// Pointer files of any bytes: the hot spot reader and the picture loading either give a
// pointer or fail with a run-time error.
#include "base/RuntimeError.h"
#include "dressing/MousePointer.h"
#include "platform/CursorFile.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    if (const std::optional<QPoint> spot = cursorHotSpot(bytes); spot && (spot->x() < 0 || spot->y() < 0))
        std::abort();

    static QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("HAND-M.CUR"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        std::abort();
    file.close();
    try {
        const QCursor cursor = MousePointer::loadPicture(path);
        if (cursor.pixmap().isNull())
            std::abort();
    } catch (const RuntimeError &) {
    }
    return 0;
}

// Renders the program's SVG icon at the sizes a window icon carries, at build time: the
// program then shows its window icons without loading the SVG renderer or decoding an
// image. Each file holds the pixels as QImage::Format_ARGB32_Premultiplied keeps them in
// memory, row after row.
// Usage: render_icon SVG OUTPUT_FOLDER SIZE...   (writes OUTPUT_FOLDER/lumetra-SIZE.argb32)
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 4) {
        std::fprintf(stderr, "usage: render_icon SVG OUTPUT_FOLDER SIZE...\n");
        return 2;
    }
    const QIcon icon(arguments.at(1));
    const QDir folder(arguments.at(2));
    for (const QString &sizeText : arguments.mid(3)) {
        const int size = sizeText.toInt();
        const QImage image
            = icon.pixmap(QSize(size, size)).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QFile file(folder.filePath(QStringLiteral("lumetra-%1.argb32").arg(size)));
        const qint64 bytes = image.sizeInBytes();
        if (image.size() != QSize(size, size) || !file.open(QIODevice::WriteOnly)
            || file.write(reinterpret_cast<const char *>(image.constBits()), bytes) != bytes) {
            std::fprintf(stderr, "render_icon: could not render %s at %d px into %s\n", qPrintable(arguments.at(1)),
                         size, qPrintable(file.fileName()));
            return 1;
        }
    }
    return 0;
}

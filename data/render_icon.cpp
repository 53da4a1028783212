// Renders the program's SVG icon into PNG files of the sizes a window icon carries, at
// build time: the program then shows its window icons without loading the SVG renderer.
// Usage: render_icon SVG OUTPUT_FOLDER SIZE...   (writes OUTPUT_FOLDER/lumetra-SIZE.png)
#include <QDir>
#include <QGuiApplication>
#include <QIcon>
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
        const QPixmap pixmap = icon.pixmap(QSize(size, size));
        const QString file = folder.filePath(QStringLiteral("lumetra-%1.png").arg(size));
        if (pixmap.size() != QSize(size, size) || !pixmap.save(file, "PNG")) {
            std::fprintf(stderr, "render_icon: could not render %s at %d px into %s\n", qPrintable(arguments.at(1)),
                         size, qPrintable(file));
            return 1;
        }
    }
    return 0;
}

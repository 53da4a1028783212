#include "timezones/TzDatabaseFiles.h"

#include "base/FileHelpers.h"

namespace TzDatabaseFiles {
namespace {

// Each line that is neither empty nor a comment.
template <typename Use>
void forEachLine(QByteArrayView text, Use use)
{
    for (qsizetype lineStart = 0; lineStart < text.size();) {
        qsizetype lineEnd = text.indexOf('\n', lineStart);
        if (lineEnd < 0)
            lineEnd = text.size();
        const QByteArray line = text.sliced(lineStart, lineEnd - lineStart).toByteArray();
        lineStart = lineEnd + 1;
        if (!line.isEmpty() && !line.startsWith('#'))
            use(line);
    }
}

}

QList<ZoneTabLine> parseZoneTab(QByteArrayView text)
{
    QList<ZoneTabLine> lines;
    forEachLine(text, [&lines](const QByteArray &line) {
        const QList<QByteArray> fields = line.split('\t');
        if (fields.size() >= 3 && !fields.at(2).trimmed().isEmpty())
            lines.append({ fields.at(0).trimmed(), fields.at(2).trimmed() });
    });
    return lines;
}

QHash<QByteArray, QString> parseCountryNames(QByteArrayView text)
{
    QHash<QByteArray, QString> names;
    forEachLine(text, [&names](const QByteArray &line) {
        const QList<QByteArray> fields = line.split('\t');
        if (fields.size() >= 2)
            names.insert(fields.at(0).trimmed(), QString::fromUtf8(fields.at(1).trimmed()));
    });
    return names;
}

QList<Link> parseLinks(QByteArrayView text)
{
    QList<Link> links;
    forEachLine(text, [&links](const QByteArray &line) {
        const QList<QByteArray> words = line.simplified().split(' ');
        if (words.size() == 3 && words.at(0) == "L")
            links.append({ words.at(1), words.at(2) });
    });
    return links;
}

std::optional<QByteArray> readFile(const QString &path)
{
    return readFileUpTo(path, maxFileBytes);
}

}

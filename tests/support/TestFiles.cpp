#include "support/TestFiles.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <sys/stat.h>

namespace TestFiles {

QByteArray read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void write(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
    QCOMPARE(file.write(content), content.size());
}

QByteArray fixedOffsetZoneFile(qint32 secondsEast)
{
    QByteArray file("TZif");
    file.append(16, '\0');
    QDataStream data(&file, QIODevice::Append);
    // Counts: UT/local and standard/wall flags, leap seconds, changes, types, abbreviation bytes.
    for (quint32 count : { 0U, 0U, 0U, 0U, 1U, 4U })
        data << count;
    data << secondsEast << quint8(0) << quint8(0);
    data.writeRawData("TST", 4);
    return file;
}

quint64 inodeOf(const QString &path)
{
    struct stat status { };
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_ino : 0;
}

}

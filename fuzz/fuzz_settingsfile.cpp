// The store opened on a file of any bytes: it starts, leaves a file it can read back,
// and the next write and read work.
#include "settings/IniCheck.h"
#include "settings/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir folder;
    static int run = 0;
    // A file name of its own for each input: Qt caches parsed files by name.
    const QString path = folder.filePath(QStringLiteral("store-%1.ini").arg(++run));
    {
        QFile file(path);
        require(file.open(QIODevice::WriteOnly));
        require(file.write(reinterpret_cast<const char *>(data), static_cast<qint64>(size))
                == static_cast<qint64>(size));
    }
    int reports = 0;
    {
        SettingsStore store([&reports](const QString &) { ++reports; }, path);
        require(reports <= 1);
        require(isReadableIniFile(path));
        store.GetSetting(QStringLiteral("Check1"), 0);
        store.GetSetting(QStringLiteral("font color"), QStringLiteral("16777215"));
        store.SaveSetting(QStringLiteral("FontName"), QStringLiteral("Arial"));
        require(store.GetSetting(QStringLiteral("fontname"), QString()) == QLatin1String("Arial"));
    }
    {
        SettingsStore reopened([&reports](const QString &) { ++reports; }, path);
        require(reports <= 1);
        require(reopened.GetSetting(QStringLiteral("FontName"), QString()) == QLatin1String("Arial"));
    }
    const QStringList leftovers = QDir(folder.path()).entryList(QDir::Files | QDir::Hidden);
    for (const QString &name : leftovers)
        QFile::remove(folder.filePath(name));
    return 0;
}

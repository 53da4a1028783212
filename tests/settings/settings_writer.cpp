// Writes "<prefix>0" .. "<prefix>N-1" through the program's store code, each the moment
// it is made, as a second running copy of the program would.
#include "settings/SettingsStore.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: settings_writer PREFIX COUNT\n");
        return 2;
    }
    const QString prefix = QString::fromLocal8Bit(argv[1]);
    const int count = QString::fromLocal8Bit(argv[2]).toInt();
    int problems = 0;
    SettingsStore store([&problems](const QString &) { ++problems; });
    for (int i = 0; i < count; ++i)
        store.SaveSetting(prefix + QString::number(i), QString::number(i));
    return problems == 0 ? 0 : 1;
}

// Writes COUNT settings through the program's store code, each the moment it is made, as
// a second running copy of the program would. Write i goes to key PREFIX<i % CYCLE> with
// the value TAG<i>; by default every write has a key of its own and the value is i.
// "writing" goes to standard output once the store is open, just before the first write.
#include "settings/SettingsStore.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 3 && argc != 5) {
        std::fprintf(stderr, "usage: settings_writer PREFIX COUNT [CYCLE TAG]\n");
        return 2;
    }
    const QString prefix = QString::fromLocal8Bit(argv[1]);
    const int count = QString::fromLocal8Bit(argv[2]).toInt();
    const int cycle = argc == 5 ? QString::fromLocal8Bit(argv[3]).toInt() : count;
    const QString tag = argc == 5 ? QString::fromLocal8Bit(argv[4]) : QString();
    if (cycle <= 0) {
        std::fprintf(stderr, "settings_writer: CYCLE must be positive\n");
        return 2;
    }
    int problems = 0;
    SettingsStore store([&problems](const QString &) { ++problems; });
    std::fputs("writing\n", stdout);
    std::fflush(stdout);
    for (int i = 0; i < count; ++i)
        store.SaveSetting(prefix + QString::number(i % cycle), tag + QString::number(i));
    return problems == 0 ? 0 : 1;
}

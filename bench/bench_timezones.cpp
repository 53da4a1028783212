// Times the time zone listing of the control panel (catalogue read plus list filling)
// over the full tz database, and the computing of the zone offset.
//
//   build/bench/bench_timezones [runs]
#include "panel/Form1.h"
#include "panel/PanelWindow.h"
#include "platform/DesktopPlatform.h"
#include "program/Program.h"
#include "timezones/ZoneTime.h"
#include "timezones/modTimeFunctions.h"
#include "timezones/modTimeZones.h"
#include "zonechoice/RankedZonesModel.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

// The desktop's services, except that nothing is shown or opened: messages go to stderr.
class QuietPlatform : public DesktopPlatform {
public:
    void showMessage(const QString &text, const QString &, MessageIcon) override
    {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
    }
    bool openUrl(const QUrl &) override { return true; }
    // Never the draw that opens the home page.
    double nextRandom() override { return 0.5; }
};

double milliseconds(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

struct Summary {
    double min;
    double median;
    double max;
};

Summary summarise(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return { values.first(), values.at(values.size() / 2), values.last() };
}

void print(const char *what, const Summary &s, const char *unit = "ms")
{
    std::printf("%-58s min %8.3f  median %8.3f  max %8.3f %s\n", what, s.min, s.median, s.max, unit);
}

}

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // A settings store of its own, never the user's.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 50;

    std::printf("tz database %s, TZ=%s, %d runs\n", qPrintable(modTimeFunctions::TimeZonesPath()),
                qEnvironmentVariableIsSet("TZ") ? qgetenv("TZ").constData() : "(unset)", runs);

    // The first reading in the process, as at the program's start: nothing cached yet.
    const double coldCatalogue = milliseconds([] { modTimeZones::LoadTimeZones(); });
    std::printf("%-58s %8.3f ms (%lld zones)\n", "catalogue read, first in the process", coldCatalogue,
                modTimeZones::TimeZoneList.size());

    QuietPlatform platform;
    Program program(platform, config.path());
    Form1 &form1 = program.form1();
    const double firstLoad = milliseconds([&] { form1.Load(); });
    std::printf("%-58s %8.3f ms\n", "first panel load (Form_Load, with ListTimeZones)", firstLoad);
    QComboBox &list = *form1.ui().Combo1;

    QList<double> catalogue, listing;
    for (int i = 0; i < runs; ++i) {
        catalogue << milliseconds([] { modTimeZones::LoadTimeZones(); });
        listing << milliseconds([&] { form1.ListTimeZones(); });
    }
    print("catalogue read (LoadTimeZones)", summarise(catalogue));
    print("ListTimeZones (catalogue read + list filling)", summarise(listing));
    std::printf("%-58s %d items, selected %d\n", "list", list.count(), list.currentIndex());

    // The zone offset: for every zone of the catalogue at one instant, as PushButton1_Click
    // starts it (the zone read from its file), and as the clock's tick keeps it.
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const int zones = static_cast<int>(modTimeZones::TimeZoneKeys.size());
    qint64 checksum = 0;
    QList<double> fromIdentifier, keeper;
    for (int i = 0; i < runs; ++i) {
        fromIdentifier << milliseconds([&] {
                              for (int k = 0; k < zones; ++k)
                                  checksum += ZoneTime::OffsetKeeper(modTimeZones::TimeZoneKeyAt(k)).offsetAt(now);
                          })
                * 1000.0 / zones;
        ZoneTime::OffsetKeeper kept(modTimeZones::TimeZoneKeyAt(0));
        keeper << milliseconds([&] {
                      // A minute of ticks, 100 ms apart.
                      for (int tick = 0; tick < 600; ++tick)
                          checksum += kept.offsetAt(now.addMSecs(tick * 100));
                  })
                * 1000.0 / 600;
    }
    print("zone offset, zone read from its identifier (per zone)", summarise(fromIdentifier), "us");
    print("zone offset kept by OffsetKeeper (per 100 ms tick)", summarise(keeper), "us");

    // The matches of the panel's list after each key of a typed text, as its search finds
    // them (the other names read before: the first search of a run reads them once).
    RankedZonesModel matches;
    matches.setSourceModel(list.model());
    matches.setTyped(QStringLiteral("x"));
    for (const char *typed : { "berlin", "berln", "germany", "deutschland", "kolkata", "+05:30", "qqqqqqqq" }) {
        const QString text = QString::fromLatin1(typed);
        QList<double> keys, lastKey;
        for (int i = 0; i < runs; ++i) {
            for (qsizetype letters = 1; letters <= text.size(); ++letters)
                keys << milliseconds([&] { matches.setTyped(text.left(letters)); });
            lastKey << keys.last();
        }
        // With no match the model holds one row saying so.
        const int found = matches.flags(matches.index(0, 0)) == Qt::NoItemFlags ? 0 : matches.rowCount();
        const QByteArray what
            = "filter per key, typing \"" + text.toUtf8() + "\" (" + QByteArray::number(found) + " found)";
        print(what.constData(), summarise(keys));
        print("  its last key", summarise(lastKey));
    }
    std::printf("(checksum %lld)\n", checksum);
    return 0;
}

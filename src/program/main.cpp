#include "base/ProductInfo.h"
#include "clock/ClockScreens.h"
#include "platform/DesktopPlatform.h"
#include "platform/DisplayCheck.h"
#include "platform/DisplayConnection.h"
#include "platform/FontConfigurationLoad.h"
#include "platform/SingleInstance.h"
#include "program/CommandLine.h"
#include "program/Program.h"
#include "program/Translations.h"
#include "timezones/modTimeZones.h"

#include <QApplication>
#include <QTextStream>
#include <QThread>
#include <memory>

int main(int argc, char *argv[])
{
    Translations translations;
    // Texts are translated through an application object; this first one opens no display,
    // so help, refusals and a missing display are told in the user's language too.
    auto textsOnly = std::make_unique<QCoreApplication>(argc, argv);
    translations.install();
    CommandLine command = CommandLine::parse(CommandLine::argumentsOf(argc, argv));
    if (command.endsBeforeDisplay())
        return command.finish();
    const FontConfigurationLoad fontConfiguration;
    // Qt aborts with a core dump when it cannot open the display; say why and end instead.
    if (!DisplayCheck::displayOpensOrReport(argc, argv))
        return 1;
    // Qt's Wayland windows check 100 ms after each repaint that the compositor answered it:
    // a wake-up the clock has no use for.
    const QStringList platforms
        = DisplayCheck::platformsToTry(DisplayCheck::Environment::ofProcess(QCoreApplication::arguments()));
    if (platforms.value(0).startsWith(QLatin1String("wayland"))
        && !qEnvironmentVariableIsSet("QT_WAYLAND_FRAME_CALLBACK_TIMEOUT"))
        qputenv("QT_WAYLAND_FRAME_CALLBACK_TIMEOUT", "0");
    textsOnly.reset();
    // The control panel's load lists the zones; reading them overlaps the making of the
    // application object and of the panel. Qt takes the first thread that asks for its
    // thread data for its main one: this one asks before the reading thread starts.
    QThread::currentThread();
    modTimeZones::PrefetchTimeZones();
    // However the program ends, the reading thread ends first.
    const struct PrefetchEnd {
        ~PrefetchEnd() { modTimeZones::AbandonPrefetch(); }
    } prefetchEnd;
    QApplication app(argc, argv);
    translations.install();
    widenTheDisplaysSendBuffer();
    command.applyScreens(ClockScreens::names());
    if (command.outcome != CommandLine::Outcome::Run)
        return command.finish();
    // The program ends only when the control panel is closed, not with its last window.
    QApplication::setQuitOnLastWindowClosed(false);

    // A copy already running in this session takes over this start.
    SingleInstance instance;
    switch (instance.claim(QCoreApplication::arguments())) {
    case SingleInstance::Start::HandedOver:
        return 0;
    case SingleInstance::Start::NotAnswering:
        // A second copy would fight the running one over the screen.
        QTextStream(stderr) << QCoreApplication::translate("main", "%1 is running but not answering (process %2)")
                                   .arg(ProductInfo::productName)
                                   .arg(instance.runningProcess())
                            << '\n';
        return 1;
    case SingleInstance::Start::First:
    case SingleInstance::Start::Alone:
        break;
    }
    DesktopPlatform platform;
    // Later starts may hand over while the program is being made (under a notice about its
    // settings file): they wait in the instance until the program takes them.
    Program program(platform, QCoreApplication::applicationDirPath());
    program.setStartRequest(command.openClock, command.screenName);
    // Dialogs and message boxes carry the program's icon too.
    QApplication::setWindowIcon(program.appIcon());
    QObject::connect(&program, &Program::ended, &app, &QCoreApplication::exit);
    const auto takeRequests = [&instance, &program] {
        for (const QStringList &arguments : instance.takeRequests())
            program.request(arguments);
    };
    QObject::connect(&instance, &SingleInstance::requestsWaiting, &program, takeRequests);
    takeRequests();
    program.start();
    if (program.hasEnded())
        return program.exitCode();
    return QApplication::exec();
}

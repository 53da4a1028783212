#include "app/DesktopPlatform.h"
#include "app/DisplayConnection.h"
#include "app/Program.h"
#include "timezones/modTimeZones.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    sendWindowContentsThroughTheConnection();
    QApplication app(argc, argv);
    // The control panel's load lists the zones; reading them overlaps the making of the
    // panel. Not before the application object: Qt takes its first thread for the main one.
    modTimeZones::PrefetchTimeZones();
    // The program ends only when the control panel is closed, not with its last window.
    QApplication::setQuitOnLastWindowClosed(false);

    DesktopPlatform platform;
    Program program(platform, QCoreApplication::applicationDirPath());
    // Dialogs and message boxes carry the program's icon too.
    QApplication::setWindowIcon(program.appIcon());
    QObject::connect(&program, &Program::ended, &app, &QCoreApplication::exit);
    program.start();
    if (program.hasEnded())
        return program.exitCode();
    return QApplication::exec();
}

#include "app/DesktopPlatform.h"
#include "app/DisplayConnection.h"
#include "app/Program.h"
#include "timezones/modTimeZones.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // The control panel's load lists the zones; reading them overlaps the set-up of Qt.
    modTimeZones::PrefetchTimeZones();
    sendWindowContentsThroughTheConnection();
    QApplication app(argc, argv);
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

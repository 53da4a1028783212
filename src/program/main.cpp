#include "platform/DesktopPlatform.h"
#include "program/Program.h"

#include <QApplication>

int main(int argc, char *argv[])
{
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

#include "platform/DesktopPlatform.h"
#include "platform/DisplayCheck.h"
#include "platform/SingleInstance.h"
#include "program/Program.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // Qt aborts with a core dump when it cannot open the display; say why and end instead.
    if (!DisplayCheck::displayOpensOrReport(argc, argv))
        return 1;
    QApplication app(argc, argv);
    // The program ends only when the control panel is closed, not with its last window.
    QApplication::setQuitOnLastWindowClosed(false);

    // A copy already running in this session takes over this start.
    SingleInstance instance;
    if (instance.claim(QCoreApplication::arguments()) == SingleInstance::Start::HandedOver)
        return 0;

    DesktopPlatform platform;
    Program program(platform, QCoreApplication::applicationDirPath());
    // Dialogs and message boxes carry the program's icon too.
    QApplication::setWindowIcon(program.appIcon());
    QObject::connect(&program, &Program::ended, &app, &QCoreApplication::exit);
    QObject::connect(&instance, &SingleInstance::activated, &program, &Program::activate);
    program.start();
    if (program.hasEnded())
        return program.exitCode();
    return QApplication::exec();
}

#include "program/CommandLine.h"

#include "base/ProductInfo.h"
#include "program/TerminalWrap.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>

namespace {

CommandLine refusal(const QString &reason)
{
    CommandLine command;
    command.outcome = CommandLine::Outcome::Refused;
    command.text = QStringLiteral("lumetra: %1\n").arg(reason);
    return command;
}

}

QStringList CommandLine::argumentsOf(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

CommandLine CommandLine::parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("CommandLine", "%1: the time of day over a whole screen.")
            .arg(ProductInfo::productName));
    const QCommandLineOption help(QStringList { QStringLiteral("h"), QStringLiteral("help") },
                                  QCoreApplication::translate("CommandLine", "Show this help and end."));
    const QCommandLineOption version(QStringLiteral("version"),
                                     QCoreApplication::translate("CommandLine", "Show the program's version and end."));
    const QCommandLineOption clock(
        QStringLiteral("clock"),
        QCoreApplication::translate("CommandLine",
                                    "Open the clock at once, as \"Load this software on Windows startup\" does, "
                                    "without changing any setting."));
    const QCommandLineOption screen(
        QStringLiteral("screen"),
        QCoreApplication::translate("CommandLine",
                                    "The screen the clock opens on (and the panel, without --clock); the clock "
                                    "remembers it. Without it the clock opens on the screen it last covered, "
                                    "else on the primary."),
        QStringLiteral("NAME"));
    const QCommandLineOption listScreens(
        QStringLiteral("list-screens"),
        QCoreApplication::translate("CommandLine", "Print the names of the connected screens and end."));
    parser.addOptions({ help, version, clock, screen, listScreens });

    if (!parser.parse(arguments)) {
        // Said in the program's own words, so that its quotation marks are those of the
        // other refusals.
        if (!parser.unknownOptionNames().isEmpty())
            return refusal(QCoreApplication::translate("CommandLine", "Unknown option '%1'.")
                               .arg(parser.unknownOptionNames().constFirst()));
        return refusal(parser.errorText());
    }
    if (!parser.positionalArguments().isEmpty())
        return refusal(QCoreApplication::translate("CommandLine", "Unexpected argument '%1'.")
                           .arg(parser.positionalArguments().constFirst()));

    CommandLine command;
    if (parser.isSet(help)) {
        command.outcome = Outcome::ShowHelp;
        // The parser names the program as it was called (a placeholder without an application
        // object); the help names it by its file's name.
        const QString programName
            = arguments.isEmpty() ? QStringLiteral("lumetra") : QFileInfo(arguments.constFirst()).fileName();
        const QString calledAs = QCoreApplication::instance() ? QCoreApplication::arguments().constFirst()
                                                              : QStringLiteral("<executable_name>");
        command.text = wrappedForTerminal(parser.helpText().replace(calledAs, programName));
    } else if (parser.isSet(version)) {
        command.outcome = Outcome::ShowVersion;
        command.text = QStringLiteral("%1 %2\n").arg(ProductInfo::productName, ProductInfo::version);
    } else if (parser.isSet(listScreens)) {
        command.outcome = Outcome::ListScreens;
    }
    command.openClock = parser.isSet(clock);
    command.screenName = parser.value(screen);
    return command;
}

void CommandLine::applyScreens(const QStringList &connectedScreens)
{
    if (outcome == Outcome::ListScreens) {
        for (const QString &name : connectedScreens)
            text += name + QLatin1Char('\n');
        return;
    }
    if (outcome != Outcome::Run || screenName.isEmpty() || connectedScreens.contains(screenName))
        return;
    *this = refusal(QCoreApplication::translate("CommandLine",
                                                "No screen named '%1' is connected; --list-screens prints the names.")
                        .arg(screenName));
}

int CommandLine::finish() const
{
    const bool refused = outcome == Outcome::Refused;
    QTextStream(refused ? stderr : stdout) << text;
    return refused ? refusedExitCode : 0;
}

#pragma once

#include <QString>
#include <QStringList>

// What the program is asked on its command line. Parsing needs no display, so --help,
// --version and refusals work without one.
struct CommandLine {
    enum class Outcome {
        Run, // start the program
        ShowHelp, // print text and end with 0
        ShowVersion, // print text and end with 0
        ListScreens, // print the connected screens' names and end with 0
        Refused, // print text (one line) and end with 2
    };

    static constexpr int refusedExitCode = 2;

    Outcome outcome = Outcome::Run;
    // Open the clock at start, as the start-up option does.
    bool openClock = false;
    // The screen the clock opens on at start; empty for the remembered one.
    QString screenName;
    QString text;

    static QStringList argumentsOf(int argc, char **argv);
    // The arguments as the program got them, its own name first.
    static CommandLine parse(const QStringList &arguments);

    // Help, version and refusals end the program before it opens the display.
    bool endsBeforeDisplay() const { return outcome != Outcome::Run && outcome != Outcome::ListScreens; }
    // Lists the connected screens' names when asked to, and refuses a --screen name that
    // none of them has.
    void applyScreens(const QStringList &connectedScreens);
    // Prints the text (a refusal on the error output) and gives the exit code.
    int finish() const;
};

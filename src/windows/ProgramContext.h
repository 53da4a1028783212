#pragma once

#include "dressing/ScreenIdentity.h"

#include <QIcon>
#include <QString>
#include <optional>

class PanelForm;
class Form2;
class Form3;
class PlatformServices;
class SettingsStore;

// What each of the program's windows gets from the program that owns them: the services
// they share and the other windows. The windows reach each other only through it.
class ProgramContext {
public:
    virtual ~ProgramContext() = default;

    virtual PlatformServices &platform() = 0;
    virtual SettingsStore &settings() = 0;
    virtual PanelForm &form1() = 0;
    virtual Form2 &form2() = 0;
    virtual Form3 &form3() = 0;

    // The folder of the running program, where its optional files lie.
    virtual QString programFolder() const = 0;
    // The running program's own file, which the start-up entry runs.
    virtual QString executablePath() const = 0;
    virtual QIcon appIcon() const = 0;

    // What the command line asked of this start: the clock opened at once.
    virtual bool opensClockAtStart() const = 0;
    // True while the program's start runs: only this load of the panel draws the home-page
    // chance and runs the start-up option.
    virtual bool isStarting() const = 0;
    // The screen that the clock opened now is to cover: the one named on the command line
    // of this start or of a later start being carried out, else at start the one the clock
    // last covered; none when the clock covers the panel's screen.
    virtual std::optional<ScreenIdentity> askedScreen() const = 0;

    // Ends the program at once: every window closes without its closing procedure.
    virtual void end(int exitCode = 0) = 0;
    virtual bool hasEnded() const = 0;
};

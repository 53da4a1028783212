#pragma once

#include <QString>
#include <functional>

class PlatformServices;

// Runs the numbered lines of a guarded procedure. A line that fails is reported with
// the procedure's location and its number, and the procedure goes on with the next line.
class ErrorTrap {
public:
    ErrorTrap(PlatformServices &platform, QString location);

    void line(int number, const std::function<void()> &step);

    // A numbered condition; one whose evaluation fails is reported and counts as true,
    // so its branch is entered.
    bool condition(int number, const std::function<bool()> &test);

    // How many failures this run reported.
    int failures() const { return mFailures; }

private:
    void report(const QString &description);

    PlatformServices &mPlatform;
    QString mLocation;
    int mLine = 0;
    int mFailures = 0;
};

#include "base/ErrorTrap.h"

#include "base/ErrorReport.h"
#include "base/RuntimeError.h"

#include <QSet>
#include <exception>

namespace {

// The reports on screen now, by location and line. A procedure that runs again while
// one of its reports is open (a timer under a modal box) skips the same report instead
// of stacking another box over it.
QSet<QString> &openReports()
{
    static QSet<QString> reports;
    return reports;
}

}

ErrorTrap::ErrorTrap(PlatformServices &platform, QString location)
    : mPlatform(platform)
    , mLocation(std::move(location))
{
}

void ErrorTrap::line(int number, const std::function<void()> &step)
{
    condition(number, [&] {
        step();
        return true;
    });
}

bool ErrorTrap::condition(int number, const std::function<bool()> &test)
{
    mLine = number;
    try {
        return test();
    } catch (const RuntimeError &error) {
        report(error.description());
    } catch (const std::exception &error) {
        report(QString::fromLocal8Bit(error.what()));
    }
    return true;
}

void ErrorTrap::report(const QString &description)
{
    ++mFailures;
    const QString key = mLocation + QString::number(mLine);
    if (openReports().contains(key))
        return;
    openReports().insert(key);
    ErrorReport::show(mPlatform, description, mLocation, mLine);
    openReports().remove(key);
}

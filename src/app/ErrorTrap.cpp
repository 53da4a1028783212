#include "app/ErrorTrap.h"

#include "app/ErrorReport.h"
#include "app/RuntimeError.h"

#include <exception>

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
    ErrorReport::show(mPlatform, description, mLocation, mLine);
}

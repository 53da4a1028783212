#pragma once

#include <QByteArray>
#include <ctime>

// Sets an environment variable for the life of the object and restores it afterwards.
// Setting TZ also tells the C library (tzset), so local times follow at once.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char *name, const QByteArray &value)
        : mName(name)
        , mHad(qEnvironmentVariableIsSet(name))
        , mPrevious(qgetenv(name))
    {
        qputenv(mName, value);
        tzset();
    }

    ~ScopedEnvironment()
    {
        if (mHad)
            qputenv(mName, mPrevious);
        else
            qunsetenv(mName);
        tzset();
    }

    ScopedEnvironment(const ScopedEnvironment &) = delete;
    ScopedEnvironment &operator=(const ScopedEnvironment &) = delete;

private:
    const char *mName;
    bool mHad;
    QByteArray mPrevious;
};

#pragma once

#include <QByteArray>
#include <ctime>

// Sets an environment variable for the life of the object and restores it afterwards.
// The C library is told each time (tzset), so local times follow a change of TZ or TZDIR
// at once.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char *name, const QByteArray &value)
        : mName(name)
        , mHad(qEnvironmentVariableIsSet(name))
        , mPrevious(qgetenv(name))
    {
        qputenv(mName, value);
        reloadLocalZone();
    }

    ~ScopedEnvironment()
    {
        if (mHad)
            qputenv(mName, mPrevious);
        else
            qunsetenv(mName);
        reloadLocalZone();
    }

    ScopedEnvironment(const ScopedEnvironment &) = delete;
    ScopedEnvironment &operator=(const ScopedEnvironment &) = delete;

private:
    // The C library reads its zone again only when the text of TZ changes: a change of TZDIR
    // alone goes unseen until TZ reads otherwise for a moment.
    static void reloadLocalZone()
    {
        const bool had = qEnvironmentVariableIsSet("TZ");
        const QByteArray tz = qgetenv("TZ");
        qputenv("TZ", tz == "UTC0" ? "UTC1" : "UTC0");
        tzset();
        if (had)
            qputenv("TZ", tz);
        else
            qunsetenv("TZ");
        tzset();
    }

    const char *mName;
    bool mHad;
    QByteArray mPrevious;
};

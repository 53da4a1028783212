#pragma once

#include <QObject>
#include <QStringList>

// A stand-in for the desktop's org.freedesktop.ScreenSaver service: records the calls it
// receives and announces each one.
class FakeScreenSaver : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.ScreenSaver")

public:
    static constexpr uint cookie = 4242;

    int activityReports = 0;
    QStringList inhibitCalls;
    QList<uint> released;

    void clear()
    {
        activityReports = 0;
        inhibitCalls.clear();
        released.clear();
    }

public slots:
    void SimulateUserActivity()
    {
        ++activityReports;
        emit called(QStringLiteral("SimulateUserActivity"));
    }
    uint Inhibit(const QString &application, const QString &reason)
    {
        inhibitCalls.append(application + QLatin1Char('|') + reason);
        emit called(QStringLiteral("Inhibit ") + inhibitCalls.last());
        return cookie;
    }
    void UnInhibit(uint releasedCookie)
    {
        released.append(releasedCookie);
        emit called(QStringLiteral("UnInhibit ") + QString::number(releasedCookie));
    }

signals:
    void called(const QString &call);
};

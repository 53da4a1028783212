#pragma once

#include <QDBusConnection>
#include <QList>
#include <QObject>
#include <QStringList>

// One running copy per session: the first start owns a name on the session bus, and a
// later start hands its arguments to that copy and ends. Without a session bus every
// start runs on its own.
class SingleInstance : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "example.orvanta.Lumetra")

public:
    enum class Start {
        First, // this copy owns the name and answers later starts
        HandedOver, // another copy took the arguments; this one ends
        NotAnswering, // another copy owns the name but does not answer; this one ends
        Alone, // no session bus (or no owner to be found on it): this copy runs as well
    };

    static const QString serviceName;
    static const QString objectPath;
    // How long a later start waits for the running copy's answer: with the bus's own
    // answers around it, a start never waits 2 s.
    static constexpr int handOverTimeoutMs = 1500;

    explicit SingleInstance(QDBusConnection connection = QDBusConnection::sessionBus());

    // Claims the name; when another copy owns it, hands it the arguments.
    Start claim(const QStringList &arguments);
    // The process that owns the name, as the bus tells it; 0 when unknown.
    uint runningProcess() const { return mRunningProcess; }

    // The arguments of later starts, in the order they came, until the program takes them.
    QList<QStringList> takeRequests();

public slots:
    // Called over the bus by a later start with its arguments. The answer goes back at
    // once: the arguments wait here until the program takes them.
    Q_SCRIPTABLE void Activate(const QStringList &arguments);

signals:
    // A later start handed over its arguments; takeRequests() has them.
    void requestsWaiting();

private:
    enum class HandOver { Taken, OwnerGone, NoAnswer };

    bool registerName();
    HandOver handOver(const QStringList &arguments);

    QDBusConnection mConnection;
    QList<QStringList> mRequests;
    uint mRunningProcess = 0;
};

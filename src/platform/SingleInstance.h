#pragma once

#include <QDBusConnection>
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
        Alone, // no session bus (or no answer on it): this copy runs as well
    };

    static const QString serviceName;
    static const QString objectPath;

    explicit SingleInstance(QDBusConnection connection = QDBusConnection::sessionBus());

    // Claims the name; when another copy owns it, hands it the arguments.
    Start claim(const QStringList &arguments);

public slots:
    // Called over the bus by a later start with its arguments.
    Q_SCRIPTABLE void Activate(const QStringList &arguments);

signals:
    void activated(const QStringList &arguments);

private:
    bool registerName();
    bool handOver(const QStringList &arguments);

    QDBusConnection mConnection;
};

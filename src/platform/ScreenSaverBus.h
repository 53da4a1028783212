#pragma once

#include <QObject>
#include <optional>

// The session's org.freedesktop.ScreenSaver service: reports user activity and holds an
// idle inhibition. Every call is asynchronous, so a missing or slow service never holds
// up the clock; without a session bus nothing is sent.
class ScreenSaverBus : public QObject {
    Q_OBJECT

public:
    ScreenSaverBus();
    ~ScreenSaverBus() override;

    void simulateUserActivity();
    void inhibit();
    void release();
    // Whether the service answered the inhibition and holds it now.
    bool holdsInhibition() const { return mCookie.has_value(); }

    // Whether the session bus has an address to connect to (without one libdbus would try to
    // start a bus of its own).
    static bool sessionBusAddressKnown();

    static const QString applicationName;
    static const QString inhibitReason;

private:
    bool busAvailable() const;
    void sendUnInhibit(quint32 cookie);

    bool mWanted = false;
    bool mRequestPending = false;
    std::optional<quint32> mCookie;
};

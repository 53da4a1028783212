#include "platform/ScreenSaverBus.h"

#include "base/ProductInfo.h"
#include "base/SourceText.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QFileInfo>

namespace {

const QString service = QStringLiteral("org.freedesktop.ScreenSaver");
const QString path = QStringLiteral("/org/freedesktop/ScreenSaver");

QDBusMessage screenSaverCall(const QString &method)
{
    return QDBusMessage::createMethodCall(service, path, service, method);
}

}

const QString ScreenSaverBus::applicationName = ProductInfo::productName;
const QString ScreenSaverBus::inhibitReason
    = QStringLiteral(QT_TRANSLATE_NOOP("ScreenSaverBus", "Showing the full-screen clock"));

ScreenSaverBus::ScreenSaverBus() = default;

ScreenSaverBus::~ScreenSaverBus()
{
    release();
}

bool ScreenSaverBus::sessionBusAddressKnown()
{
    const QString runtimeBus = qEnvironmentVariable("XDG_RUNTIME_DIR") + QStringLiteral("/bus");
    return !qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")
        || (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && QFileInfo::exists(runtimeBus));
}

bool ScreenSaverBus::busAvailable() const
{
    // A session that has no bus has no screen saver service to tell either.
    return sessionBusAddressKnown() && QDBusConnection::sessionBus().isConnected();
}

void ScreenSaverBus::simulateUserActivity()
{
    if (busAvailable())
        QDBusConnection::sessionBus().asyncCall(screenSaverCall(QStringLiteral("SimulateUserActivity")));
}

void ScreenSaverBus::inhibit()
{
    mWanted = true;
    if (mCookie || mRequestPending || !busAvailable())
        return;
    QDBusMessage call = screenSaverCall(QStringLiteral("Inhibit"));
    call << applicationName << inUserLanguage("ScreenSaverBus", inhibitReason);
    mRequestPending = true;
    auto *watcher = new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher *finished) {
        finished->deleteLater();
        mRequestPending = false;
        const QDBusPendingReply<quint32> reply = *finished;
        if (reply.isError())
            return;
        // Released while the answer was on its way: give it back at once.
        if (!mWanted) {
            sendUnInhibit(reply.value());
            return;
        }
        mCookie = reply.value();
    });
}

void ScreenSaverBus::release()
{
    mWanted = false;
    if (!mCookie)
        return;
    sendUnInhibit(*mCookie);
    mCookie.reset();
}

void ScreenSaverBus::sendUnInhibit(quint32 cookie)
{
    QDBusMessage call = screenSaverCall(QStringLiteral("UnInhibit"));
    call << cookie;
    QDBusConnection::sessionBus().asyncCall(call);
}

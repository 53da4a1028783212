#include "platform/SingleInstance.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>

const QString SingleInstance::serviceName = QStringLiteral("example.orvanta.Lumetra");
const QString SingleInstance::objectPath = QStringLiteral("/example/orvanta/Lumetra");

namespace {

// A running copy answers at once; one that hangs must not hold up the new start for long.
constexpr int handOverTimeoutMs = 5000;

}

SingleInstance::SingleInstance(QDBusConnection connection)
    : mConnection(std::move(connection))
{
}

SingleInstance::Start SingleInstance::claim(const QStringList &arguments)
{
    if (!mConnection.isConnected() || !mConnection.interface())
        return Start::Alone;
    // Twice: the owner may end between the refused claim and the hand-over.
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (registerName())
            return Start::First;
        if (handOver(arguments))
            return Start::HandedOver;
    }
    return Start::Alone;
}

bool SingleInstance::registerName()
{
    // The object answers before the name is owned, so no caller finds the name without it.
    if (!mConnection.objectRegisteredAt(objectPath)
        && !mConnection.registerObject(objectPath, this, QDBusConnection::ExportScriptableSlots))
        return false;
    const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> reply = mConnection.interface()->registerService(
        serviceName, QDBusConnectionInterface::DontQueueService, QDBusConnectionInterface::DontAllowReplacement);
    if (reply.isValid() && reply.value() == QDBusConnectionInterface::ServiceRegistered)
        return true;
    mConnection.unregisterObject(objectPath);
    return false;
}

bool SingleInstance::handOver(const QStringList &arguments)
{
    QDBusMessage call
        = QDBusMessage::createMethodCall(serviceName, objectPath, serviceName, QStringLiteral("Activate"));
    call << arguments;
    const QDBusMessage answer = mConnection.call(call, QDBus::BlockWithGui, handOverTimeoutMs);
    return answer.type() == QDBusMessage::ReplyMessage;
}

void SingleInstance::Activate(const QStringList &arguments)
{
    emit activated(arguments);
}

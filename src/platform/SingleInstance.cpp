#include "platform/SingleInstance.h"

#include <QDBusConnectionInterface>
#include <QDBusError>
#include <QDBusMessage>

const QString SingleInstance::serviceName = QStringLiteral("example.orvanta.Lumetra");
const QString SingleInstance::objectPath = QStringLiteral("/example/orvanta/Lumetra");

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
        switch (handOver(arguments)) {
        case HandOver::Taken:
            return Start::HandedOver;
        case HandOver::NoAnswer:
            // A second copy would fight the hung one over its screen: name it instead.
            mRunningProcess = mConnection.interface()->servicePid(serviceName).value();
            return Start::NotAnswering;
        case HandOver::OwnerGone:
            break;
        }
    }
    return Start::Alone;
}

QList<QStringList> SingleInstance::takeRequests()
{
    return std::exchange(mRequests, {});
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

SingleInstance::HandOver SingleInstance::handOver(const QStringList &arguments)
{
    QDBusMessage call
        = QDBusMessage::createMethodCall(serviceName, objectPath, serviceName, QStringLiteral("Activate"));
    call << arguments;
    const QDBusMessage answer = mConnection.call(call, QDBus::BlockWithGui, handOverTimeoutMs);
    if (answer.type() == QDBusMessage::ReplyMessage)
        return HandOver::Taken;
    const QDBusError::ErrorType error = QDBusError(answer).type();
    return error == QDBusError::NoReply || error == QDBusError::Timeout ? HandOver::NoAnswer : HandOver::OwnerGone;
}

void SingleInstance::Activate(const QStringList &arguments)
{
    mRequests.append(arguments);
    emit requestsWaiting();
}

#include "platform/DisplayConnection.h"

#include <QByteArray>

void sendWindowContentsThroughTheConnection()
{
    // A choice made in the environment stays.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
}

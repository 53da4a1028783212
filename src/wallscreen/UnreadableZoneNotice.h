#pragma once

#include <QByteArrayList>
#include <QString>

// The line under the time that names the zones whose files cannot be read: the clock's own
// zone, whose place the computer's time takes, first, then the other zones shown.
namespace UnreadableZoneNotice {

// Empty when every zone is read; clockZone is empty when the clock's own zone is read.
QString text(const QByteArray &clockZone, const QByteArrayList &otherZones);

}

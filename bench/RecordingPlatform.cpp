#include "RecordingPlatform.h"

QDateTime RecordingPlatform::currentDateTime() const
{
    const QDateTime now = pinnedTime.value_or(DesktopPlatform::currentDateTime());
    reads.append(now);
    return now;
}

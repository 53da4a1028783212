#pragma once

#include "platform/DesktopPlatform.h"

#include <QList>
#include <optional>

// The desktop platform with a clock that can be pinned, and a record of every time it
// was read, so benchmarks can drive ticks and see when each second was first read.
class RecordingPlatform : public DesktopPlatform {
public:
    QDateTime currentDateTime() const override;

    std::optional<QDateTime> pinnedTime;
    mutable QList<QDateTime> reads;
};

#pragma once

#include <QtGlobal>
#include <optional>

// Whether the clock warns that the computer's time cannot be trusted: once the computer has
// said that its clock is not synchronised for five minutes in a row, until it says otherwise.
class SyncWarning {
public:
    static constexpr qint64 warnAfterMsecs = 5 * 60 * 1000;

    // Takes the computer's answer at an instant (milliseconds since the epoch): synchronised,
    // not, or none where it cannot tell. True while the warning shows.
    bool update(std::optional<bool> synchronised, qint64 instant);

private:
    std::optional<qint64> mUnsynchronisedSince;
};

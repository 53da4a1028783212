#pragma once

#include <QTime>
#include <optional>

// The night-dimming schedule: from one time of day to another (the range may cross
// midnight) the digits are drawn at a share of their brightness. Off without a start.
struct NightDimming {
    std::optional<QTime> from;
    QTime to = QTime(7, 0);
    int level = 30;

    bool isOn() const { return from.has_value(); }

    // Whether a time of day lies in the range: from its start (included) to its end (not
    // included). A range that starts where it ends is empty.
    bool dimsAt(const QTime &time) const;

    // The share of the digits' brightness, in percent, at a time of day: the level inside
    // the range, 100 outside it.
    int brightnessAt(const QTime &time) const;

    friend bool operator==(const NightDimming &, const NightDimming &) = default;
};

#pragma once

#include <QString>

// A monitor as the platform names and describes it. The name is the connector's and
// changes when the monitor is plugged in elsewhere; manufacturer, model and serial number
// (empty where unknown) stay with the monitor.
struct ScreenIdentity {
    QString name;
    QString manufacturer;
    QString model;
    QString serialNumber;

    // The same monitor by what it reports of itself; never true without a serial number.
    bool isSameMonitor(const ScreenIdentity &other) const
    {
        return !serialNumber.isEmpty() && serialNumber == other.serialNumber && manufacturer == other.manufacturer
            && model == other.model;
    }

    friend bool operator==(const ScreenIdentity &, const ScreenIdentity &) = default;
};

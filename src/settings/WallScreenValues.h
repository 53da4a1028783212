#pragma once

#include <QString>
#include <QTime>
#include <optional>

// How the clock's wall-screen keys read. Unlike the older keys, a text that does not read
// gives no value (and no error): the option's default stays in force.
namespace WallScreenValues {

// "On" or "Off", exactly.
std::optional<bool> toOnOff(const QString &text);

// A time of day written "hh:mm" (two digits each, 00:00 to 23:59).
std::optional<QTime> toClockTime(const QString &text);
QString clockTimeText(const QTime &time);

// A whole percentage from 5 to 100.
constexpr int dimmestLevel = 5;
std::optional<int> toDimLevel(const QString &text);

}

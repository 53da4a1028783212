#pragma once

#include <QByteArrayList>
#include <QString>
#include <functional>

// The zones shown under the clock's time, stored as "Other Zones": tz identifiers separated
// by commas, in the order shown. An identifier the catalogue lacks stays stored, unshown.
namespace OtherZoneList {

inline const QString key = QStringLiteral("Other Zones");
// The most zones the clock shows.
constexpr int most = 8;

// The identifiers of a stored text, blanks around them and empty ones dropped.
QByteArrayList fromText(const QString &text);
QString toText(const QByteArrayList &zones);

// The zones shown: the first known ones, at most eight, each once.
QByteArrayList shown(const QByteArrayList &stored, const std::function<bool(const QByteArray &)> &known);

// What to store after the user changed the shown zones to edited: those, then the stored
// identifiers that are not known, as they were.
QByteArrayList afterEdit(const QByteArrayList &edited, const QByteArrayList &stored,
                         const std::function<bool(const QByteArray &)> &known);

}

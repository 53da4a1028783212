#pragma once

#include <QByteArray>
#include <QString>

// A zone as the list of the zones shown names it: its city in the user's language, as the
// clock shows it under the time, then its identifier ("New York — America/New_York",
// "Kalkutta — Asia/Kolkata"); the identifier alone where it is its own city ("UTC"). A label
// of the user's own goes first, the city after it in brackets ("Head office (New York) —
// America/New_York").
QString zoneListText(const QByteArray &zone, const QString &label = {});

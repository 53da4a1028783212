#pragma once

#include <QByteArray>
#include <QString>

// A zone as the list of the zones shown names it: its city in the user's language, as the
// clock shows it under the time, then its identifier ("New York — America/New_York",
// "Kalkutta — Asia/Kolkata"); the identifier alone where it is its own city ("UTC").
QString zoneListText(const QByteArray &zone);

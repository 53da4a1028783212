#pragma once

#include <QByteArray>
#include <QString>

// The place a tz database zone is named after, as a reader writes it: the last part of
// its identifier with spaces for underscores ("America/Argentina/Buenos_Aires" is
// "Buenos Aires", "UTC" stays "UTC").
QString zoneCityName(const QByteArray &zoneId);

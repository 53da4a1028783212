#pragma once

#include <QByteArrayList>
#include <QString>

// Why Add cannot add zone to the zones shown, as the window says beside it: the list is full
// (whatever is typed), or the zone is on it already. Empty when it can, or when no zone is
// offered: then there is nothing to explain.
QString whyZoneCannotBeAdded(const QByteArrayList &shown, const QByteArray &zone);

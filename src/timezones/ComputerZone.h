#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <QList>
#include <QString>
#include <memory>
#include <optional>

class ZoneRules;

// Finds the computer's own zone among the catalogue's identifiers, so that a first run
// shows the computer's local time all year, daylight saving included.
namespace ComputerZone {

// The index in keys of the zone the computer runs on: its identifier (QTimeZone's
// system zone, which honours TZ), else the zone that identifier links to, by a symbolic or
// a hard link, in the tz database folder zoneFolder ("US/Eastern" names the file of
// "America/New_York").
// -1 when keys hold neither.
int indexOfComputerZone(const QByteArrayList &keys, const QByteArray &computerZoneId, const QString &zoneFolder);

// The zone file the C library reads for the local time: the one TZ names (in the tz
// database folder unless the name is a path), else /etc/localtime. Empty when TZ holds a rule.
QString zoneFilePath();

// The computer's zone as the C library takes it: its zone file (shared while it is the same
// version), else the rule TZ holds; null for neither.
std::shared_ptr<const ZoneRules> rules();

// The computer's local offsets from UTC through one year, as the C library applies them
// (so TZ is honoured, whether it names a zone file or holds a rule).
class LocalYear {
public:
    explicit LocalYear(int year);

    // Whether zone's offset from UTC equals the local offset at every instant of the year.
    bool matches(const ZoneRules &zone) const;

private:
    int mYear;
    // The instants at which a period of one local offset starts, the year's start first.
    QList<qint64> mPeriodStarts;
};

}

#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QList>
#include <QString>
#include <optional>

// The lines of the tz database's own text files. Empty lines, comments ("#...") and lines
// with too few fields are skipped.
namespace TzDatabaseFiles {

// A line of zone.tab: country code, coordinates, identifier, optional comment, by tabs.
struct ZoneTabLine {
    QByteArray countryCode;
    QByteArray identifier;
};
QList<ZoneTabLine> parseZoneTab(QByteArrayView text);

// iso3166.tab: each country code with the country's name ("IN" is "India").
QHash<QByteArray, QString> parseCountryNames(QByteArrayView text);

// A link line of tzdata.zi, "L TARGET NAME": NAME is another, mostly older, name of the zone
// TARGET ("L Asia/Kolkata Asia/Calcutta").
struct Link {
    QByteArray target;
    QByteArray name;
};
QList<Link> parseLinks(QByteArrayView text);

// The largest table read: tzdata.zi, the largest, is about 110 kB.
constexpr qint64 maxFileBytes = 2 * 1024 * 1024;

// The content of the file at path; none when it cannot be read or is over maxFileBytes.
std::optional<QByteArray> readFile(const QString &path);

}

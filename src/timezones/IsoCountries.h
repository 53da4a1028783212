#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QString>
#include <optional>

// iso-codes' list of the countries of ISO 3166-1 (iso_3166-1.json): each country's English
// names by its two-letter code. The names are the texts its gettext catalogues translate.
namespace IsoCountries {

struct Names {
    QString name; // "Korea, Republic of"
    QString commonName; // "South Korea", where it has one
    QString officialName; // "Federal Republic of Germany", where it has one
};

using Countries = QHash<QByteArray, Names>;

// The countries of the list's text; none when it is no such list (not JSON, no "3166-1"
// list, a country without a two-letter code or a name, a name that is no text): a bad
// file gives no country at all.
std::optional<Countries> parse(QByteArrayView json);

// The list at path; none when it cannot be read, is far larger than the list is, or is no
// such list.
std::optional<Countries> read(const QString &path);

}

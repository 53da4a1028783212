#pragma once

#include "timezones/GettextCatalogue.h"
#include "timezones/IsoCountries.h"

#include <QByteArray>
#include <QHash>
#include <QStringList>

// The names a country may be typed as, by its two-letter code: first the one it is shown
// by, in the user's language ("Deutschland", or "South Korea" where the list gives a common
// name), then its other names in that language, then the English ones.
using CountryNames = QHash<QByteArray, QStringList>;

// The countries' names, translated by the catalogue (empty for English).
CountryNames countryNames(const IsoCountries::Countries &countries, const GettextCatalogue::Translations &catalogue);

// The countries' names in the language of uiLanguages (as QLocale::uiLanguages() gives
// them), from iso-codes' files in the data folders; none when its list cannot be read, in
// English when no catalogue of that language can.
CountryNames installedCountryNames(const QStringList &uiLanguages);

// The countries' names in the program's language, read at the first call and kept.
const CountryNames &userCountryNames();

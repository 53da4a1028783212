#include "timezones/CountryNames.h"

#include "timezones/CatalogueLanguages.h"

#include <QLocale>
#include <QStandardPaths>

CountryNames countryNames(const IsoCountries::Countries &countries, const GettextCatalogue::Translations &catalogue)
{
    CountryNames names;
    names.reserve(countries.size());
    for (auto country = countries.cbegin(); country != countries.cend(); ++country) {
        const IsoCountries::Names &english = country.value();
        const QString shown = english.commonName.isEmpty() ? english.name : english.commonName;
        QStringList all;
        for (const QString &name : { shown, english.name, english.officialName })
            all << catalogue.value(name, name);
        all << shown << english.name << english.officialName;
        all.removeAll(QString());
        all.removeDuplicates();
        names.insert(country.key(), all);
    }
    return names;
}

CountryNames installedCountryNames(const QStringList &uiLanguages)
{
    const std::optional<IsoCountries::Countries> countries = IsoCountries::read(
        QStandardPaths::locate(QStandardPaths::GenericDataLocation, QStringLiteral("iso-codes/json/iso_3166-1.json")));
    if (!countries)
        return {};
    const QStringList localeFolders = QStandardPaths::locateAll(
        QStandardPaths::GenericDataLocation, QStringLiteral("locale"), QStandardPaths::LocateDirectory);
    const QString catalogue
        = CatalogueLanguages::cataloguePath(uiLanguages, localeFolders, QStringLiteral("iso_3166-1"));
    return countryNames(*countries,
                        catalogue.isEmpty()
                            ? GettextCatalogue::Translations()
                            : GettextCatalogue::read(catalogue).value_or(GettextCatalogue::Translations()));
}

const CountryNames &userCountryNames()
{
    static const CountryNames names = installedCountryNames(QLocale::system().uiLanguages());
    return names;
}

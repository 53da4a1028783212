// The tz database's text tables (zone.tab, iso3166.tab, tzdata.zi) of any bytes: each table's
// reader takes the same text, as does the list of the zones' other names built from all
// three. What is read holds whole fields, without their separators.
#include "timezones/TzDatabaseFiles.h"
#include "timezones/ZoneOtherNames.h"

#include <cstdint>
#include <cstdlib>

namespace {

bool isField(const QByteArray &field, const char *separators)
{
    return !field.isEmpty() && !field.contains('\n') && !field.contains(separators);
}

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView text(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    for (const TzDatabaseFiles::ZoneTabLine &line : TzDatabaseFiles::parseZoneTab(text)) {
        if (!isField(line.identifier, "\t"))
            std::abort();
    }
    const QHash<QByteArray, QString> countries = TzDatabaseFiles::parseCountryNames(text);
    for (auto country = countries.cbegin(); country != countries.cend(); ++country) {
        if (country.key().contains('\t') || country.key().contains('\n'))
            std::abort();
    }
    for (const TzDatabaseFiles::Link &link : TzDatabaseFiles::parseLinks(text)) {
        if (!isField(link.target, " ") || !isField(link.name, " "))
            std::abort();
    }
    zoneOtherNames(text, text, text, {});
    return 0;
}

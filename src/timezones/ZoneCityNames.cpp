#include "timezones/ZoneCityNames.h"

#include "timezones/ZoneCity.h"

#include <unicode/locid.h>
#include <unicode/timezone.h>
#include <unicode/tznames.h>

namespace {

QString fromIcu(const icu::UnicodeString &text)
{
    return QString(reinterpret_cast<const QChar *>(text.getBuffer()), text.length());
}

}

ZoneCityNames::ZoneCityNames(const QLocale &locale)
{
    UErrorCode status = U_ZERO_ERROR;
    mNames.reset(icu::TimeZoneNames::createInstance(icu::Locale(locale.name().toLatin1().constData()), status));
    if (U_FAILURE(status))
        mNames.reset();
}

ZoneCityNames::~ZoneCityNames() = default;

QString ZoneCityNames::city(const QByteArray &zoneId)
{
    const auto kept = mCities.constFind(zoneId);
    if (kept != mCities.cend())
        return *kept;
    // ICU keeps its names under the identifiers of CLDR, some of them older ones
    // ("Asia/Calcutta" for Asia/Kolkata).
    const icu::UnicodeString id
        = icu::UnicodeString::fromUTF8(icu::StringPiece(zoneId.constData(), static_cast<int32_t>(zoneId.size())));
    icu::UnicodeString canonical;
    icu::UnicodeString exemplar;
    UErrorCode status = U_ZERO_ERROR;
    icu::TimeZone::getCanonicalID(id, canonical, status);
    if (mNames && U_SUCCESS(status))
        mNames->getExemplarLocationName(canonical, exemplar);
    const QString name = exemplar.isEmpty() ? zoneCityName(zoneId) : fromIcu(exemplar);
    mCities.insert(zoneId, name);
    return name;
}

ZoneCityNames &ZoneCityNames::ofUser()
{
    static ZoneCityNames names(QLocale(QLocale::system().uiLanguages().value(0)));
    return names;
}

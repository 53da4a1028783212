#pragma once

#include <QByteArray>
#include <QHash>
#include <QLocale>
#include <QString>
#include <memory>
#include <unicode/uversion.h>

U_NAMESPACE_BEGIN
class TimeZoneNames;
U_NAMESPACE_END

// The places zones are named after, as people of one language name them, from ICU's exemplar
// cities ("São Paulo" for America/Sao_Paulo, "Kalkutta" for Asia/Kolkata in German); the
// identifier's city (zoneCityName) where ICU has none ("UTC", a zone newer than ICU's data).
// Each zone is looked up once and kept: the clock asks at every tick.
class ZoneCityNames {
public:
    explicit ZoneCityNames(const QLocale &locale);
    ~ZoneCityNames();
    ZoneCityNames(const ZoneCityNames &) = delete;
    ZoneCityNames &operator=(const ZoneCityNames &) = delete;

    QString city(const QByteArray &zoneId);

    // The names in the program's language (the first of QLocale::system().uiLanguages()),
    // for the main thread.
    static ZoneCityNames &ofUser();

private:
    std::unique_ptr<icu::TimeZoneNames> mNames;
    QHash<QByteArray, QString> mCities;
};

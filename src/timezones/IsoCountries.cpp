#include "timezones/IsoCountries.h"

#include "base/FileHelpers.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace IsoCountries {
namespace {

// The list iso-codes installs holds about 45 KB.
constexpr qint64 maxFileSize = 4 * 1024 * 1024;

bool isCode(const QString &code)
{
    return code.size() == 2 && std::all_of(code.cbegin(), code.cend(), [](QChar c) { return c >= u'A' && c <= u'Z'; });
}

// The text of an optional name; none when it is there and no text.
std::optional<QString> optionalName(const QJsonObject &country, QLatin1String key)
{
    const QJsonValue value = country.value(key);
    if (value.isUndefined())
        return QString();
    return value.isString() ? std::optional(value.toString()) : std::nullopt;
}

}

std::optional<Countries> parse(QByteArrayView json)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json.toByteArray(), &error);
    const QJsonValue list = document.object().value(QLatin1String("3166-1"));
    if (error.error != QJsonParseError::NoError || !list.isArray())
        return std::nullopt;
    Countries countries;
    for (const QJsonValue &entry : list.toArray()) {
        const QJsonObject country = entry.toObject();
        const QString code = country.value(QLatin1String("alpha_2")).toString();
        const QJsonValue name = country.value(QLatin1String("name"));
        const std::optional<QString> commonName = optionalName(country, QLatin1String("common_name"));
        const std::optional<QString> officialName = optionalName(country, QLatin1String("official_name"));
        if (!isCode(code) || !name.isString() || name.toString().isEmpty() || !commonName || !officialName)
            return std::nullopt;
        countries.insert(code.toLatin1(), { name.toString(), *commonName, *officialName });
    }
    return countries;
}

std::optional<Countries> read(const QString &path)
{
    const std::optional<QByteArray> bytes = readFileUpTo(path, maxFileSize);
    return bytes ? parse(*bytes) : std::nullopt;
}

}

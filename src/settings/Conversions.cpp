#include "settings/Conversions.h"

#include "base/RuntimeError.h"

#include <QLocale>
#include <cmath>
#include <limits>
#include <optional>

namespace Conversions {
namespace {

std::optional<double> parseRadixPrefixed(const QString &text)
{
    if (text.size() < 3 || text[0] != QLatin1Char('&'))
        return std::nullopt;
    const QChar kind = text[1].toUpper();
    const int base = kind == QLatin1Char('H') ? 16 : kind == QLatin1Char('O') ? 8 : 0;
    if (base == 0)
        return std::nullopt;
    bool ok = false;
    const qulonglong value = text.mid(2).toULongLong(&ok, base);
    if (!ok)
        return std::nullopt;
    return static_cast<double>(value);
}

// Reads the number in the user's number format first, then in the C format, so
// "10.5" and the locale's own "10,5" both mean ten and a half.
double parseNumber(const QString &raw)
{
    const QString text = raw.trimmed();
    if (const auto prefixed = parseRadixPrefixed(text))
        return *prefixed;
    bool ok = false;
    QLocale user = QLocale::system();
    user.setNumberOptions(QLocale::RejectGroupSeparator);
    double value = user.toDouble(text, &ok);
    if (!ok)
        value = QLocale::c().toDouble(text, &ok);
    // A number too large for any integer reads as infinite.
    if (std::isinf(value) && !text.contains(QLatin1String("inf"), Qt::CaseInsensitive))
        throw RuntimeError(RuntimeErrors::overflow);
    if (!ok || !std::isfinite(value))
        throw RuntimeError(RuntimeErrors::typeMismatch);
    return value;
}

template <typename Integer>
Integer toInteger(const QString &text)
{
    const double rounded = std::nearbyint(parseNumber(text));
    if (rounded < static_cast<double>(std::numeric_limits<Integer>::min())
        || rounded > static_cast<double>(std::numeric_limits<Integer>::max()))
        throw RuntimeError(RuntimeErrors::overflow);
    return static_cast<Integer>(rounded);
}

}

qint16 toInt16(const QString &text)
{
    return toInteger<qint16>(text);
}

qint32 toInt32(const QString &text)
{
    return toInteger<qint32>(text);
}

bool toTruth(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (trimmed.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    return parseNumber(trimmed) != 0.0;
}

bool isOn(const QString &text)
{
    return text == QLatin1String("On");
}

bool isFontFlagSet(const QString &text)
{
    return text == QLatin1String("True");
}

QString truthText(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

QString onOffText(bool value)
{
    return value ? QStringLiteral("On") : QStringLiteral("Off");
}

}

// The readers' conversions of stored texts: any text either converts or fails with a
// run-time error, and the conversions agree with each other.
#include "base/RuntimeError.h"
#include "settings/Conversions.h"

#include <QString>
#include <cstdint>
#include <cstdlib>
#include <optional>

namespace {

template <typename Convert>
auto attempt(Convert convert) -> std::optional<decltype(convert())>
{
    try {
        return convert();
    } catch (const RuntimeError &) {
        return std::nullopt;
    }
}

void require(bool condition)
{
    if (!condition)
        std::abort();
}

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const auto small = attempt([&] { return Conversions::toInt16(text); });
    const auto large = attempt([&] { return Conversions::toInt32(text); });
    const auto truth = attempt([&] { return Conversions::toTruth(text); });
    // What fits 16 bits fits 32 bits, with the same value.
    if (small)
        require(large && *large == *small);
    // A number is a truth value too, false only for zero (a fraction rounds to 0 and is
    // still true).
    if (large) {
        require(truth.has_value());
        require(*truth || *large == 0);
    }
    // A converted value reads back the same from its own text.
    if (large)
        require(Conversions::toInt32(QString::number(*large)) == *large);
    require(Conversions::isOn(text) == (text == QLatin1String("On")));
    require(Conversions::isFontFlagSet(text) == (text == QLatin1String("True")));
    return 0;
}

#include "drawing/FallbackFace.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QRawFont>

namespace {

QList<char32_t> missingCharacters(const QFont &font, const QString &text)
{
    const QRawFont face = QRawFont::fromFont(font);
    QList<char32_t> missing;
    for (const char32_t c : text.toUcs4()) {
        if (!QChar::isSpace(c) && !face.supportsCharacter(c) && !missing.contains(c))
            missing << c;
    }
    return missing;
}

// Whether the family has a style of its own in the weight and slant, not one made up.
bool hasRealStyle(const QString &family, const QFont &font)
{
    const QStringList styles = QFontDatabase::styles(family);
    return std::any_of(styles.cbegin(), styles.cend(), [&](const QString &style) {
        return QFontDatabase::weight(family, style) == font.weight()
            && QFontDatabase::italic(family, style) == font.italic();
    });
}

}

QFont withFallbackFace(QFont font, const QString &text)
{
    const QList<char32_t> missing = missingCharacters(font, text);
    if (missing.isEmpty())
        return font;
    // The face the font resolves to comes first: a family that is not installed under its
    // own name ("Arial") would otherwise give way to the fallback for every character.
    const QString ownFamily = QFontInfo(font).family();
    for (const QString &family : QFontDatabase::families()) {
        if (family == ownFamily || !hasRealStyle(family, font))
            continue;
        QFont candidate = font;
        candidate.setFamilies({ family });
        const QRawFont face = QRawFont::fromFont(candidate);
        if (std::all_of(missing.cbegin(), missing.cend(), [&](char32_t c) { return face.supportsCharacter(c); })) {
            font.setFamilies({ ownFamily, family });
            return font;
        }
    }
    return font;
}

#include "timezones/ZoneTextMatch.h"

#include <QHash>

#include <algorithm>

namespace {

// Letters that Unicode does not write as a base letter and a mark, as people type them
// without their strokes and ligatures (in case-folded form).
const QHash<QChar, QString> plainLetters {
    { u'ø', QStringLiteral("o") },  { u'æ', QStringLiteral("ae") }, { u'œ', QStringLiteral("oe") },
    { u'ß', QStringLiteral("ss") }, { u'ł', QStringLiteral("l") },  { u'đ', QStringLiteral("d") },
    { u'ð', QStringLiteral("d") },  { u'þ', QStringLiteral("th") }, { u'ı', QStringLiteral("i") },
    { u'ħ', QStringLiteral("h") },
};

bool isAscii(const QString &text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x80; });
}

// The text without its accents: decomposed ("ô" is "o" and a circumflex), the marks dropped.
QString withoutAccents(const QString &text)
{
    QString plain;
    for (QChar c : text.normalized(QString::NormalizationForm_KD).toCaseFolded()) {
        if (!c.isMark())
            plain += plainLetters.value(c, QString(c));
    }
    return plain;
}

}

QString comparableZoneText(const QString &text)
{
    // Most texts are identifiers, in ASCII: they need no decomposition.
    QString folded = isAscii(text) ? text.toCaseFolded() : withoutAccents(text);
    folded.replace(QLatin1Char('_'), QLatin1Char(' '));
    return folded;
}

bool zoneTextMatches(const QString &displayText, const QString &typed)
{
    return comparableZoneText(displayText).contains(comparableZoneText(typed));
}

#pragma once

#include <QFont>
#include <QGlyphRun>
#include <QHash>
#include <QList>
#include <QRawFont>
#include <QString>

#include <optional>
#include <unordered_map>

// Lines of text laid out from pieces: each character laid out once on its own, and each
// pair of characters once, for the kerning between them. Shaping the whole line again every
// second costs more than the rest of a tick, while a clock shows the same few characters
// all day. A text is laid out whole when a pair of its characters does not lay out as its
// two pieces side by side (a ligature, a contextual form); forms that depend on more than
// the neighbouring character are not looked for. The pairs of the ten digits and the
// characters met so far are laid out together, at the first text: a new second then finds
// all its pairs known.
class TextPieces {
public:
    struct Line {
        QList<QGlyphRun> runs;
        // The advance of the whole line.
        qreal width = 0;
        // Where the baseline lies below the line's top.
        qreal ascent = 0;
    };

    // The text laid out in the font. Pieces kept for another font are dropped.
    Line layOut(const QString &text, const QFont &font);

    // The text laid out whole, by the text engine.
    static Line layOutWhole(const QString &text, const QFont &font);

    // How tall a line must be for the text drawn from its top where fallback fonts of other
    // scripts draw part of it: down to their lowest descent or glyph. Nothing where the
    // font's own face draws all of it.
    static qreal heightNeeded(const QString &text, const QFont &font);

private:
    struct Character {
        QRawFont font;
        quint32 glyph = 0;
        // The glyph's place from the character's start, with its vertical place measured
        // from the baseline.
        QPointF offset;
        qreal ascent = 0;
        qreal advance = 0;
    };

    // Characters laid out on their own into exactly one glyph each, or nothing.
    const Character *character(QChar c);
    // How much closer (negative) or further the second character starts than the first's
    // advance gives; none when the pair does not lay out as its pieces.
    std::optional<qreal> kerning(QChar first, QChar second);
    // Lays out the pairs of every character met so far with the text's new characters.
    void meet(const QString &text);
    // The line from pieces; none when a character is not one glyph on its own.
    std::optional<Line> compose(const QString &text);

    QFont mFont;
    // Node-based: a piece stays where it is while others are added.
    std::unordered_map<char16_t, std::optional<Character>> mCharacters;
    QString mMet;
    QHash<quint32, std::optional<qreal>> mKernings;
};

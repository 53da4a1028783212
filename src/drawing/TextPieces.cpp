#include "drawing/TextPieces.h"

#include <QTextLayout>

#include <algorithm>

namespace {

bool sameLine(const TextPieces::Line &a, const TextPieces::Line &b)
{
    if (a.width != b.width || a.runs.size() != b.runs.size())
        return false;
    for (qsizetype i = 0; i < a.runs.size(); ++i) {
        const QGlyphRun &x = a.runs[i];
        const QGlyphRun &y = b.runs[i];
        if (x.rawFont() != y.rawFont() || x.glyphIndexes() != y.glyphIndexes() || x.positions() != y.positions()
            || x.flags() != y.flags())
            return false;
    }
    return true;
}

}

TextPieces::Line TextPieces::layOutWhole(const QString &text, const QFont &font)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    return { layout.glyphRuns(), line.horizontalAdvance(), line.ascent() };
}

qreal TextPieces::heightNeeded(const QString &text, const QFont &font)
{
    const Line line = layOutWhole(text, font);
    const QRawFont ownFace = QRawFont::fromFont(font);
    qreal below = 0;
    for (const QGlyphRun &run : line.runs) {
        if (run.rawFont().familyName() == ownFace.familyName())
            continue;
        below = std::max(below, run.rawFont().descent());
        for (const quint32 glyph : run.glyphIndexes())
            below = std::max(below, run.rawFont().boundingRect(glyph).bottom());
    }
    return below > 0 ? line.ascent + below : 0;
}

TextPieces::Line TextPieces::layOut(const QString &text, const QFont &font)
{
    if (font != mFont) {
        mFont = font;
        mCharacters.clear();
        mMet.clear();
        mKernings.clear();
    }
    // A decoration runs under the whole line, not under each piece.
    if (font.underline() || font.overline() || font.strikeOut())
        return layOutWhole(text, font);
    meet(text);
    std::optional<Line> line = compose(text);
    return line ? *line : layOutWhole(text, font);
}

const TextPieces::Character *TextPieces::character(QChar c)
{
    auto found = mCharacters.find(c.unicode());
    if (found == mCharacters.end()) {
        const Line alone = layOutWhole(QString(c), mFont);
        std::optional<Character> piece;
        if (alone.runs.size() == 1 && alone.runs[0].glyphIndexes().size() == 1) {
            const QGlyphRun &run = alone.runs[0];
            piece = Character { run.rawFont(), run.glyphIndexes()[0], run.positions()[0] - QPointF(0, alone.ascent),
                                alone.ascent, alone.width };
        }
        found = mCharacters.emplace(c.unicode(), piece).first;
    }
    return found->second ? &*found->second : nullptr;
}

void TextPieces::meet(const QString &text)
{
    QString met = mMet.isEmpty() ? QStringLiteral("0123456789") : mMet;
    for (const QChar c : text) {
        if (!met.contains(c))
            met.append(c);
    }
    if (met == mMet)
        return;
    for (const QChar first : std::as_const(met)) {
        for (const QChar second : std::as_const(met))
            kerning(first, second);
    }
    mMet = met;
}

std::optional<qreal> TextPieces::kerning(QChar first, QChar second)
{
    const quint32 key = (static_cast<quint32>(first.unicode()) << 16) | second.unicode();
    auto found = mKernings.constFind(key);
    if (found == mKernings.constEnd()) {
        const QString text = QString(first) + second;
        const Line pair = layOutWhole(text, mFont);
        const Character *left = character(first);
        const Character *right = character(second);
        std::optional<qreal> kerning;
        if (left && right && pair.runs.size() == 1 && pair.runs[0].positions().size() == 2) {
            kerning = pair.runs[0].positions()[1].x() - right->offset.x() - left->advance;
            // The pair must be its two pieces, the second moved by the kerning alone.
            mKernings.insert(key, kerning);
            const std::optional<Line> pieces = compose(text);
            if (!pieces || !sameLine(*pieces, pair))
                kerning.reset();
        }
        found = mKernings.insert(key, kerning);
    }
    return *found;
}

std::optional<TextPieces::Line> TextPieces::compose(const QString &text)
{
    QList<const Character *> pieces;
    pieces.reserve(text.size());
    qreal ascent = 0;
    for (const QChar c : text) {
        const Character *piece = character(c);
        if (!piece)
            return std::nullopt;
        pieces.append(piece);
        ascent = std::max(ascent, piece->ascent);
    }
    struct Run {
        QRawFont font;
        QList<quint32> glyphs;
        QList<QPointF> positions;
    };
    QList<Run> runs;
    qreal x = 0;
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        const Character &piece = *pieces[i];
        if (i > 0) {
            const std::optional<qreal> kerning = this->kerning(text[i - 1], text[i]);
            if (!kerning)
                return std::nullopt;
            x += *kerning;
        }
        if (runs.isEmpty() || runs.last().font != piece.font) {
            runs.append({ piece.font, {}, {} });
            runs.last().glyphs.reserve(pieces.size() - i);
            runs.last().positions.reserve(pieces.size() - i);
        }
        runs.last().glyphs.append(piece.glyph);
        runs.last().positions.append(QPointF(x + piece.offset.x(), ascent + piece.offset.y()));
        x += piece.advance;
    }
    Line line { {}, x, ascent };
    for (const Run &run : runs) {
        QGlyphRun glyphs;
        glyphs.setRawFont(run.font);
        glyphs.setGlyphIndexes(run.glyphs);
        glyphs.setPositions(run.positions);
        line.runs.append(glyphs);
    }
    return line;
}

#include "timezones/GettextCatalogue.h"

#include "base/FileHelpers.h"

#include <QByteArray>

namespace GettextCatalogue {
namespace {

constexpr quint32 magic = 0x950412de;
// Magic, revision, count, the two tables' offsets, the hash table's size and offset.
constexpr qsizetype headerSize = 7 * 4;
constexpr qsizetype entrySize = 2 * 4;
// The largest of iso-codes' catalogues of country names holds about 40 KB.
constexpr qint64 maxFileSize = 4 * 1024 * 1024;
// The longest text of iso-codes' catalogues, their headers included, is under 700 bytes; a
// longer text would slow every lookup and every search over the names.
constexpr quint32 maxTextLength = 4096;
// iso-codes' largest catalogue (of languages) has under 10,000 entries.
constexpr quint32 maxCount = 65536;

class CatalogueBytes {
public:
    CatalogueBytes(QByteArrayView bytes, bool bigEndian)
        : mBytes(bytes)
        , mBigEndian(bigEndian)
    {
    }

    // The 32-bit number at offset, which the caller has checked lies inside.
    quint32 number(qsizetype offset) const
    {
        const auto byte
            = [this, offset](qsizetype i) { return static_cast<quint32>(static_cast<uchar>(mBytes[offset + i])); };
        return mBigEndian ? byte(0) << 24 | byte(1) << 16 | byte(2) << 8 | byte(3)
                          : byte(3) << 24 | byte(2) << 16 | byte(1) << 8 | byte(0);
    }

    // Whether count entries of a table at offset lie inside the bytes.
    bool holdsTable(quint32 offset, quint32 count) const
    {
        return offset <= size() && quint64(count) * entrySize <= size() - offset;
    }

    // The bytes the texts of a table's count entries (checked by holdsTable) take with their
    // NULs, counted for each entry even where entries share a text; none when a text is
    // longer than any catalogue of names holds.
    std::optional<quint64> textBytes(quint32 table, quint32 count) const
    {
        quint64 total = 0;
        for (quint32 i = 0; i < count; ++i) {
            const quint32 length = number(qsizetype(table) + qsizetype(i) * entrySize);
            if (length > maxTextLength)
                return std::nullopt;
            total += quint64(length) + 1;
        }
        return total;
    }

    // The text of entry i of the table at offset (checked by holdsTable) up to its first
    // NUL; none when it runs past the end or lacks its closing NUL.
    std::optional<QByteArrayView> text(quint32 table, quint32 i) const
    {
        const qsizetype entry = qsizetype(table) + qsizetype(i) * entrySize;
        const quint64 length = number(entry);
        const quint64 offset = number(entry + 4);
        if (offset > size() || length >= size() - offset || mBytes[qsizetype(offset + length)] != '\0')
            return std::nullopt;
        const QByteArrayView whole = mBytes.sliced(qsizetype(offset), qsizetype(length));
        const qsizetype end = whole.indexOf('\0');
        return end == -1 ? whole : whole.first(end);
    }

private:
    quint64 size() const { return quint64(mBytes.size()); }

    QByteArrayView mBytes;
    bool mBigEndian;
};

// The header entry's charset, when it names one other than UTF-8 (or its ASCII subset).
bool namesOtherCharset(QByteArrayView header)
{
    const QByteArray lower = header.toByteArray().toLower();
    const qsizetype at = lower.indexOf("charset=");
    if (at == -1)
        return false;
    const QByteArray charset = lower.mid(at + 8).split('\n').first().trimmed();
    return charset != "utf-8" && charset != "ascii";
}

}

std::optional<Translations> parse(QByteArrayView bytes)
{
    if (bytes.size() < headerSize)
        return std::nullopt;
    const CatalogueBytes little(bytes, false);
    const CatalogueBytes big(bytes, true);
    if (little.number(0) != magic && big.number(0) != magic)
        return std::nullopt;
    const CatalogueBytes &catalogue = little.number(0) == magic ? little : big;
    // Revisions 0 and 1 share the tables read here; a later major revision may not.
    if (catalogue.number(4) >> 16 > 1)
        return std::nullopt;
    const quint32 count = catalogue.number(8);
    const quint32 originals = catalogue.number(12);
    const quint32 translations = catalogue.number(16);
    if (count > maxCount || !catalogue.holdsTable(originals, count) || !catalogue.holdsTable(translations, count))
        return std::nullopt;
    // Texts that do not overlap fit in the file: more text than that means entries pointing
    // at the same bytes, which would make the work of reading them grow past the file's size.
    const std::optional<quint64> originalBytes = catalogue.textBytes(originals, count);
    const std::optional<quint64> translationBytes = catalogue.textBytes(translations, count);
    if (!originalBytes || !translationBytes || *originalBytes + *translationBytes > quint64(bytes.size()))
        return std::nullopt;
    Translations found;
    found.reserve(count);
    for (quint32 i = 0; i < count; ++i) {
        const std::optional<QByteArrayView> original = catalogue.text(originals, i);
        const std::optional<QByteArrayView> translation = catalogue.text(translations, i);
        if (!original || !translation)
            return std::nullopt;
        if (original->isEmpty()) {
            if (namesOtherCharset(*translation))
                return std::nullopt;
        } else if (!translation->isEmpty()) {
            found.insert(QString::fromUtf8(*original), QString::fromUtf8(*translation));
        }
    }
    return found;
}

std::optional<Translations> read(const QString &path)
{
    const std::optional<QByteArray> bytes = readFileUpTo(path, maxFileSize);
    return bytes ? parse(*bytes) : std::nullopt;
}

}

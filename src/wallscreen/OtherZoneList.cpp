#include "wallscreen/OtherZoneList.h"

#include <QStringView>

namespace OtherZoneList {

namespace {

// The characters that would end a label or an entry, and the escape character itself.
QByteArray escaped(const QString &label)
{
    QByteArray bytes;
    for (const char c : label.toUtf8()) {
        if (c == '%' || c == ',' || c == '=')
            bytes += '%' + QByteArray::number(static_cast<unsigned char>(c), 16).toUpper();
        else
            bytes += c;
    }
    return bytes;
}

// The label of a stored entry: the three escapes escaped() writes stand for their
// characters, any other '%' for itself, so a label typed by hand ("%ZZ") reads as it is.
QString unescaped(QStringView stored)
{
    QString label;
    for (qsizetype i = 0; i < stored.size(); ++i) {
        const QStringView code = stored.mid(i, 3);
        if (code.compare(u"%25", Qt::CaseInsensitive) == 0)
            label += QLatin1Char('%');
        else if (code.compare(u"%2C", Qt::CaseInsensitive) == 0)
            label += QLatin1Char(',');
        else if (code.compare(u"%3D", Qt::CaseInsensitive) == 0)
            label += QLatin1Char('=');
        else {
            label += stored[i];
            continue;
        }
        i += 2;
    }
    return label;
}

// Characters that would change how the rest of the line shows: controls other than blanks
// and line breaks, and the marks and overrides of the text's direction, which could turn
// the time's line around.
bool changesTheLine(QChar c)
{
    const char16_t code = c.unicode();
    return (c.category() == QChar::Other_Control && !c.isSpace()) || (code >= 0x202a && code <= 0x202e)
        || (code >= 0x2066 && code <= 0x2069) || code == 0x200e || code == 0x200f || code == 0x061c;
}

}

QString cleanLabel(const QString &label)
{
    QString text = label;
    text.removeIf(changesTheLine);
    // Line breaks and tabs become single blanks: a label is one line.
    text = text.simplified();
    if (text.size() > longestLabel) {
        const qsizetype end = text.at(longestLabel - 1).isHighSurrogate() ? longestLabel - 1 : longestLabel;
        text = text.first(end).trimmed();
    }
    return text;
}

Entries fromText(const QString &text)
{
    Entries entries;
    for (const QString &part : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const qsizetype equals = part.indexOf(QLatin1Char('='));
        const QString zone = part.left(equals).trimmed();
        const QString label = equals < 0 ? QString() : unescaped(QStringView(part).mid(equals + 1));
        if (!zone.isEmpty())
            entries.append({ zone.toUtf8(), cleanLabel(label) });
    }
    return entries;
}

QString toText(const Entries &entries)
{
    QByteArrayList parts;
    for (const Entry &entry : entries)
        parts.append(entry.label.isEmpty() ? entry.zone : entry.zone + '=' + escaped(entry.label));
    return QString::fromUtf8(parts.join(','));
}

Entries shown(const Entries &stored, const std::function<bool(const QByteArray &)> &known)
{
    Entries entries;
    for (const Entry &entry : stored) {
        if (entries.size() < most && known(entry.zone) && !zonesOf(entries).contains(entry.zone))
            entries.append(entry);
    }
    return entries;
}

Entries afterEdit(const Entries &edited, const Entries &stored, const std::function<bool(const QByteArray &)> &known)
{
    Entries entries = edited;
    for (const Entry &entry : stored) {
        if (!known(entry.zone))
            entries.append(entry);
    }
    return entries;
}

QByteArrayList zonesOf(const Entries &entries)
{
    QByteArrayList zones;
    for (const Entry &entry : entries)
        zones.append(entry.zone);
    return zones;
}

}

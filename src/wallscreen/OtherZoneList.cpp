#include "wallscreen/OtherZoneList.h"

#include <QUrl>

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

}

QString cleanLabel(const QString &label)
{
    return label.trimmed();
}

Entries fromText(const QString &text)
{
    Entries entries;
    for (const QString &part : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const qsizetype equals = part.indexOf(QLatin1Char('='));
        const QString zone = part.left(equals).trimmed();
        const QString label = equals < 0 ? QString() : QUrl::fromPercentEncoding(part.mid(equals + 1).toUtf8());
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

#pragma once

#include <QByteArrayList>
#include <QList>
#include <QString>
#include <functional>

// The zones shown under the clock's time, stored as "Other Zones": entries separated by
// commas, in the order shown, each a tz identifier, or an identifier, '=' and the zone's own
// label ("America/New_York=Head office"). A label is kept as cleanLabel() gives it, and its '%',
// ',' and '=' are written %25, %2C and %3D, so that any label reads back as it was; any other
// '%' reads as itself. An identifier
// the catalogue lacks stays stored, unshown, with its label.
namespace OtherZoneList {

inline const QString key = QStringLiteral("Other Zones");
// The most zones the clock shows.
constexpr int most = 8;
// The longest label, in UTF-16 units: eight labels share the line under the time, and the
// longest city a zone is named by has under 30 letters; 40 leaves room for a word more.
constexpr qsizetype longestLabel = 40;

struct Entry {
    QByteArray zone;
    // Shown in place of the zone's city when not empty.
    QString label;

    friend bool operator==(const Entry &, const Entry &) = default;
};
using Entries = QList<Entry>;

// The entries of a stored text: blanks around identifiers and labels dropped, entries without
// an identifier too.
Entries fromText(const QString &text);
QString toText(const Entries &entries);
// A label as stored and shown: one line of plain text without blanks at its ends, runs of
// blanks, tabs and line breaks made one blank, controls and direction overrides left out,
// cut to longestLabel. A longer label stored earlier is shown cut.
QString cleanLabel(const QString &label);

// The entries shown: the first ones of known zones, at most eight, each zone once.
Entries shown(const Entries &stored, const std::function<bool(const QByteArray &)> &known);

// What to store after the user changed the shown entries to edited: those, then the stored
// entries whose zones are not known, as they were.
Entries afterEdit(const Entries &edited, const Entries &stored, const std::function<bool(const QByteArray &)> &known);

QByteArrayList zonesOf(const Entries &entries);

}

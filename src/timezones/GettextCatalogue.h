#pragma once

#include <QByteArrayView>
#include <QHash>
#include <QString>
#include <optional>

// The translations of a gettext message catalogue (a .mo file), by their English text
// ("Germany" → "Deutschland"). Plural and context entries keep their first form and their
// full key; the catalogue's header and untranslated entries are left out.
namespace GettextCatalogue {

using Translations = QHash<QString, QString>;

// The catalogue in bytes, in either byte order; none when they are no catalogue (a wrong
// magic number, a table or text past the end, a text not ended by a NUL, a charset other
// than UTF-8), or when reading them would take work out of proportion to their size (texts
// that overlap, more entries or longer texts than a catalogue of names holds): a bad file
// gives no translation at all.
std::optional<Translations> parse(QByteArrayView bytes);

// The catalogue at path; none when it cannot be read, is larger than a catalogue of
// country names ever is, or is no catalogue.
std::optional<Translations> read(const QString &path);

}

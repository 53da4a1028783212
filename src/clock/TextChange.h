#pragma once

#include <QString>
#include <optional>

// Which characters differ between two texts of the same length, so a redraw can be
// limited to them.
struct TextChange {
    qsizetype first = 0;
    qsizetype last = 0;

    friend bool operator==(const TextChange &, const TextChange &) = default;

    // Nothing when the texts are equal or their lengths differ.
    static std::optional<TextChange> between(const QString &before, const QString &after);
};

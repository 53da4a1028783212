#pragma once

#include <QString>
#include <optional>

// Writes and deletes the autostart entry that starts the program at log-in. Each returns
// nothing on success, or a message for the user naming the entry file and the reason.

// Writes the entry for this executable, replacing any earlier one in a single step.
[[nodiscard]] std::optional<QString> AddRunEntry(const QString &executablePath);

// Deletes the entry for this executable (an entry that does not exist is no failure); where
// a site's entry of the same name starts the program for everyone, writes the user's entry
// hidden instead, which keeps the site's from starting it for this user.
[[nodiscard]] std::optional<QString> RemoveRunEntry(const QString &executablePath);

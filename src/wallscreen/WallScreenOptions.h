#pragma once

#include "wallscreen/InfoLines.h"
#include "wallscreen/NightDimming.h"

#include <QString>

class SettingsStore;

// The clock window's wall-screen options, each off unless stored otherwise but the warning
// (and the 24-hour seconds where the clock starts on the locale's 24-hour clock). A stored text
// that does not read leaves that option's default in force and stays as it is until the
// user changes the option.
struct WallScreenOptions {
    static inline const QString fitToScreenKey = QStringLiteral("Fit To Screen");
    static inline const QString burnInGuardKey = QStringLiteral("Burn-in Guard");
    static inline const QString nightDimFromKey = QStringLiteral("Night Dim From");
    static inline const QString nightDimToKey = QStringLiteral("Night Dim To");
    static inline const QString nightDimLevelKey = QStringLiteral("Night Dim Level");
    static inline const QString showDateKey = QStringLiteral("Show Date");
    static inline const QString showZoneKey = QStringLiteral("Show Zone");
    static inline const QString syncWarningKey = QStringLiteral("Time Sync Warning");
    static inline const QString announceClockChangesKey = QStringLiteral("Announce Clock Changes");
    static inline const QString secondsIn24HourKey = QStringLiteral("24-Hour Seconds");
    static inline const QString dateFormatKey = QStringLiteral("Date Format");

    bool fitToScreen = false;
    bool burnInGuard = false;
    bool showDate = false;
    bool showZone = false;
    bool announceClockChanges = false;
    bool secondsIn24Hour = false;
    InfoLines::DateFormat dateFormat = InfoLines::DateFormat::Long;
    // The one option on unless stored otherwise: a warning that the time cannot be trusted.
    bool syncWarning = true;
    NightDimming nightDimming;

    bool showsInfoLines() const { return showDate || showZone || announceClockChanges; }

    static WallScreenOptions read(const SettingsStore &settings);
    // "Long", "Short" or "ISO", as the date format is stored.
    static QString dateFormatText(InfoLines::DateFormat format);

    friend bool operator==(const WallScreenOptions &, const WallScreenOptions &) = default;
};

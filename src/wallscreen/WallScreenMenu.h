#pragma once

#include "wallscreen/InfoLines.h"

#include <QMenu>
#include <QTime>
#include <optional>

struct WallScreenOptions;

// The clock's menu of wall-screen options, opened by a right-click, the Menu key or a long
// press. The check marks show the options in force; choosing an entry only signals, the
// clock stores and applies it.
class WallScreenMenu : public QMenu {
    Q_OBJECT

public:
    explicit WallScreenMenu(QWidget *parent);

    void showOptions(const WallScreenOptions &options);

    QAction *fitToScreen;
    QAction *burnInGuard;
    QMenu *nightDimming;
    QAction *secondsIn24Hour;
    QAction *showDate;
    QMenu *dateFormat;
    QAction *showZone;
    QAction *announceClockChanges;
    QAction *syncWarning;
    QAction *about;
    QAction *otherZones;
    QAction *closeClock;

signals:
    // A night range, or none for "Off".
    void nightRangeChosen(std::optional<QTime> from, QTime to);
    void nightLevelChosen(int percent);
    // "Choose hours…": the clock asks for a range and level of the user's own.
    void nightHoursAsked();
    void dateFormatChosen(InfoLines::DateFormat format);

private:
    QAction *addRange(std::optional<QTime> from, QTime to, bool checked);
    QAction *addLevel(int percent, bool checked);
    void addDateFormat(QActionGroup &group, InfoLines::DateFormat format, const QString &text);
};

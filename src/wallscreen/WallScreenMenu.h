#pragma once

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
    QAction *showDate;
    QAction *showZone;
    QAction *announceClockChanges;
    QAction *syncWarning;
    QAction *otherZones;
    QAction *closeClock;

signals:
    // A night range, or none for "Off".
    void nightRangeChosen(std::optional<QTime> from, QTime to);
    void nightLevelChosen(int percent);

private:
    QAction *addRange(std::optional<QTime> from, QTime to, bool checked);
    QAction *addLevel(int percent, bool checked);
};

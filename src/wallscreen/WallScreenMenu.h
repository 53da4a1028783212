#pragma once

#include "settings/ClockFormat.h"
#include "wallscreen/ClockTimeText.h"
#include "wallscreen/InfoLines.h"

#include <QMap>
#include <QMenu>
#include <QTime>
#include <optional>

class SettingsStore;
struct WallScreenOptions;

// The clock's menu of wall-screen options, opened by a right-click, the Menu key or a long
// press. The check marks show the options in force; choosing an entry only signals the texts
// it stores, by key, and the clock stores and applies them. Each entry declares those keys,
// so that it is disabled where the site locks one.
class WallScreenMenu : public QMenu {
    Q_OBJECT

public:
    using Choice = QMap<QString, QString>;

    explicit WallScreenMenu(QWidget *parent);

    // Checks the options in force and disables what the site locks; the night hours read as
    // times on the clock. The first line names the format selected on the panel, and the
    // 24-hour seconds can be chosen only with the 24-hour format.
    void showOptions(const WallScreenOptions &options, const SettingsStore &settings, const ClockTimeText &times,
                     ClockFormat selected);

    QAction *formatInUse;
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
    // The texts to store, by key.
    void chosen(const WallScreenMenu::Choice &choice);
    // "Choose hours…": the clock asks for a range and level of the user's own.
    void nightHoursAsked();

private:
    QAction *addOnOff(const QString &text, const QString &key);
    QAction *addChoice(QMenu &menu, const QString &text, const Choice &choice, bool checked = false);
    QAction *addRange(std::optional<QTime> from, QTime to, bool checked, const ClockTimeText &times);
    QAction *addLevel(int percent, bool checked);
    void addDateFormat(QActionGroup &group, InfoLines::DateFormat format, const QString &text);
};

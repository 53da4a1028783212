#pragma once

#include "base/PlatformServices.h"

#include <QList>
#include <functional>
#include <optional>

// Platform services for tests: a settable clock, scripted random draws, and a record of
// every message box and opened address.
class FakePlatform : public PlatformServices {
public:
    struct Message {
        QString text;
        QString title;
        MessageIcon icon;
    };

    QDateTime currentDateTime() const override;
    bool watchClockChanges(std::function<void()> changed) override;
    // Sets the clock as a user or a time service does, telling whoever watches when the
    // platform is to report it.
    void setClock(const QDateTime &time);
    std::optional<bool> clockSynchronised() override { return synchronised; }
    void showMessage(const QString &text, const QString &title, MessageIcon icon) override;
    bool openUrl(const QUrl &url) override;
    void seedRandom(quint32 seed) override { seeds.append(seed); }
    double nextRandom() override;
    bool chooseFont(FontChoice &font) override;
    std::optional<qint32> chooseColour(qint32 initial) override;

    KeepAwakeMeans::Offered keepAwakeOffered() override { return keepAwake; }
    void sendRightShift(bool pressed) override { shiftEvents.append(pressed); }
    void simulateUserActivity() override { ++activityReports; }
    void inhibitIdle() override { ++inhibitions; }
    void releaseIdleInhibition() override { ++releases; }

    QStringList messageTexts() const;

    QDateTime now = QDateTime(QDate(2026, 1, 15), QTime(12, 0));
    // Whether the platform reports that the clock was set, and who listens.
    bool reportsClockChanges = true;
    QList<std::function<void()>> clockWatchers;
    std::optional<bool> synchronised = true; // the kernel's answer; none: it cannot tell
    QList<Message> messages;
    QList<QUrl> openedUrls;
    bool openUrlSucceeds = true;
    // Draws handed out in turn; once used up every draw is 0.5.
    QList<double> draws;
    QList<quint32> seeds;
    // What the session offers to keep the computer awake: by default an X11 display with
    // nothing but the key (the last resort).
    KeepAwakeMeans::Offered keepAwake { .x11 = true };
    QList<bool> shiftEvents;
    int activityReports = 0;
    int inhibitions = 0;
    int releases = 0;
    // Reading the clock fails with this description while it is set.
    QString clockFailure;
    // Runs while a message box is open, as timers and events do under a modal box.
    std::function<void()> whileMessageOpen;
    // The same while the font or colour dialog is open.
    std::function<void()> whileDialogOpen;

    // Dialog answers handed out in turn: a pick, or nothing for a cancel. Once used up,
    // every dialog is cancelled.
    QList<std::optional<FontChoice>> fontAnswers;
    QList<std::optional<qint32>> colourAnswers;
    // What each dialog was pre-set to, in order.
    QList<FontChoice> fontPresets;
    QList<qint32> colourPresets;
};

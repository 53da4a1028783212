#pragma once

#include "base/PlatformServices.h"

#include <functional>

// The platform's services as the program's windows reach them, counting the message boxes
// and dialogs that are open. Each runs an event loop of its own, and what arrives from
// outside must not run inside one: the program asks this count before it acts.
class DialogCountingPlatform final : public PlatformServices {
public:
    // allClosed runs each time the last open box or dialog has closed.
    DialogCountingPlatform(PlatformServices &platform, std::function<void()> allClosed);

    bool anyOpen() const { return mOpen > 0; }

    QDateTime currentDateTime() const override { return mPlatform.currentDateTime(); }
    bool watchClockChanges(std::function<void()> changed) override;
    std::optional<bool> clockSynchronised() override { return mPlatform.clockSynchronised(); }
    void showMessage(const QString &text, const QString &title, MessageIcon icon) override;
    bool openUrl(const QUrl &url) override { return mPlatform.openUrl(url); }
    void seedRandom(quint32 seed) override { mPlatform.seedRandom(seed); }
    double nextRandom() override { return mPlatform.nextRandom(); }
    KeepAwakeMeans::Offered keepAwakeOffered() override { return mPlatform.keepAwakeOffered(); }
    void sendRightShift(bool pressed) override { mPlatform.sendRightShift(pressed); }
    void simulateUserActivity() override { mPlatform.simulateUserActivity(); }
    void inhibitIdle() override { mPlatform.inhibitIdle(); }
    void releaseIdleInhibition() override { mPlatform.releaseIdleInhibition(); }
    bool chooseFont(FontChoice &font) override;
    std::optional<qint32> chooseColour(qint32 initial) override;

private:
    // Counts one box or dialog open while it lives, also when its caller throws.
    class Open {
    public:
        explicit Open(DialogCountingPlatform &owner);
        ~Open();

        Open(const Open &) = delete;
        Open &operator=(const Open &) = delete;

    private:
        DialogCountingPlatform &mOwner;
    };

    PlatformServices &mPlatform;
    std::function<void()> mAllClosed;
    int mOpen = 0;
};

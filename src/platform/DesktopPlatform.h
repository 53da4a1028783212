#pragma once

#include "base/PlatformServices.h"
#include "platform/ScreenSaverBus.h"
#include "platform/WallClockWatch.h"

#include <memory>
#include <random>

// The platform services of a real desktop session.
class DesktopPlatform : public PlatformServices {
public:
    QDateTime currentDateTime() const override;
    bool watchClockChanges(std::function<void()> changed) override;
    std::optional<bool> clockSynchronised() override;
    void showMessage(const QString &text, const QString &title, MessageIcon icon) override;
    bool openUrl(const QUrl &url) override;
    void seedRandom(quint32 seed) override;
    double nextRandom() override;
    KeepAwakeMeans::Offered keepAwakeOffered() override;
    void sendRightShift(bool pressed) override;
    void simulateUserActivity() override;
    void inhibitIdle() override;
    void releaseIdleInhibition() override;
    bool chooseFont(FontChoice &font) override;
    std::optional<qint32> chooseColour(qint32 initial) override;

private:
    std::mt19937 mRandom;
    // The X server's screen saver is suspended by this connection (undone when it closes).
    bool mScreenSaverSuspended = false;
    ScreenSaverBus mScreenSaver;
    std::unique_ptr<WallClockWatch> mClockWatch;
};

#pragma once

#include "base/FontChoice.h"
#include "base/KeepAwakeMeans.h"

#include <QDateTime>
#include <QString>
#include <QUrl>
#include <functional>
#include <optional>

// Everything that tests must control or watch: the clock, message boxes, the random
// draw and the outside world. The desktop implementation talks to the real system;
// tests use a fake.
class PlatformServices {
public:
    enum class MessageIcon { Warning, Critical, Information };

    virtual ~PlatformServices() = default;

    virtual QDateTime currentDateTime() const = 0;
    // Runs changed whenever the computer's clock is set (not as it runs on), as soon as
    // it is. False when the platform cannot tell; the caller must then read the clock at
    // least once a second to notice.
    virtual bool watchClockChanges(std::function<void()> changed) = 0;
    // Whether the computer's clock is synchronised with a time source, as the kernel tells
    // it; none where the platform cannot tell.
    virtual std::optional<bool> clockSynchronised() = 0;

    // Shows a modal message box with an OK button and returns when it is closed.
    virtual void showMessage(const QString &text, const QString &title, MessageIcon icon) = 0;

    // Hands an address to the desktop's default handler; false when that failed.
    virtual bool openUrl(const QUrl &url) = 0;

    // The program's pseudo-random generator: seed it, then draw 0 <= r < 1.
    virtual void seedRandom(quint32 seed) = 0;
    virtual double nextRandom() = 0;

    // Keeping the computer awake while the clock is shown: an idle inhibition held while the
    // clock is open (the session's screen saver service, and the X server's screen saver
    // suspended where its extension allows), and at each keep-awake tick telling the session
    // and the X server that the system is in use. A synthetic right Shift key event (user
    // input for screen savers on X11) is the last resort: see KeepAwakeMeans.
    virtual KeepAwakeMeans::Offered keepAwakeOffered() = 0;
    virtual void sendRightShift(bool pressed) = 0;
    virtual void simulateUserActivity() = 0;
    virtual void inhibitIdle() = 0;
    virtual void releaseIdleInhibition() = 0;
    // Shows the modal font dialog (screen fonts, no effects controls) pre-set to the
    // font; on OK the font becomes the user's pick. True when the user pressed OK.
    virtual bool chooseFont(FontChoice &font) = 0;

    // Shows the modal colour dialog on a colour (red in the low byte) and returns the
    // colour chosen, or nothing when the user cancels.
    virtual std::optional<qint32> chooseColour(qint32 initial) = 0;
};

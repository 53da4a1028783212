#include "platform/DesktopPlatform.h"

#include "platform/KernelClockSync.h"

#include "platform/ColourDialog.h"
#include "platform/FontDialog.h"

#include <QAccessible>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QMessageBox>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/scrnsaver.h>
#include <X11/keysym.h>

namespace {

QMessageBox::Icon boxIcon(PlatformServices::MessageIcon icon)
{
    switch (icon) {
    case PlatformServices::MessageIcon::Critical:
        return QMessageBox::Critical;
    case PlatformServices::MessageIcon::Information:
        return QMessageBox::Information;
    case PlatformServices::MessageIcon::Warning:
        break;
    }
    return QMessageBox::Warning;
}

Display *x11Display()
{
    const auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->display() : nullptr;
}

// The MIT-SCREEN-SAVER extension in a version that can suspend the screen saver (1.1).
bool canSuspendScreenSaver(Display *display)
{
    int eventBase = 0;
    int errorBase = 0;
    int major = 0;
    int minor = 0;
    return XScreenSaverQueryExtension(display, &eventBase, &errorBase) != 0
        && XScreenSaverQueryVersion(display, &major, &minor) != 0 && (major > 1 || (major == 1 && minor >= 1));
}

// Message texts use Windows line ends ("\r\n", and "\r" alone for a blank line).
QString displayLines(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

}

QDateTime DesktopPlatform::currentDateTime() const
{
    return QDateTime::currentDateTime();
}

bool DesktopPlatform::watchClockChanges(std::function<void()> changed)
{
    if (!mClockWatch)
        mClockWatch = std::make_unique<WallClockWatch>();
    QObject::connect(mClockWatch.get(), &WallClockWatch::clockSet, mClockWatch.get(), std::move(changed));
    return mClockWatch->isWatching();
}

std::optional<bool> DesktopPlatform::clockSynchronised()
{
    return KernelClockSync::synchronised();
}

void DesktopPlatform::showMessage(const QString &text, const QString &title, MessageIcon icon)
{
    QMessageBox box(boxIcon(icon), title, displayLines(text), QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool DesktopPlatform::openUrl(const QUrl &url)
{
    return QDesktopServices::openUrl(url);
}

void DesktopPlatform::seedRandom(quint32 seed)
{
    mRandom.seed(seed);
}

double DesktopPlatform::nextRandom()
{
    return std::uniform_real_distribution<double>(0.0, 1.0)(mRandom);
}

KeepAwakeMeans::Offered DesktopPlatform::keepAwakeOffered()
{
    KeepAwakeMeans::Offered offered;
    if (Display *display = x11Display()) {
        offered.x11 = true;
        offered.screenSaverSuspend = canSuspendScreenSaver(display);
    }
    offered.idleInhibited = mScreenSaver.holdsInhibition();
    // Qt's accessibility is active while the session's accessibility bus says that an
    // assistive technology is enabled (org.a11y.Status IsEnabled or ScreenReaderEnabled),
    // as Orca sets it when it starts. That bus is found through the session bus, or named
    // outright; without either no assistive technology listens, and Qt is not asked.
    const bool accessibilityBusReachable
        = !qEnvironmentVariableIsEmpty("AT_SPI_BUS_ADDRESS") || ScreenSaverBus::sessionBusAddressKnown();
    offered.assistiveTechnology = accessibilityBusReachable && QAccessible::isActive();
    return offered;
}

void DesktopPlatform::sendRightShift(bool pressed)
{
    // Synthetic keys exist on X11 only; elsewhere the idle inhibition does the work.
    Display *display = x11Display();
    if (!display)
        return;
    const KeyCode shift = XKeysymToKeycode(display, XK_Shift_R);
    if (shift == 0)
        return;
    XTestFakeKeyEvent(display, shift, pressed ? True : False, CurrentTime);
    XFlush(display);
}

void DesktopPlatform::simulateUserActivity()
{
    const KeepAwakeMeans::Chosen means = KeepAwakeMeans::choose(keepAwakeOffered());
    if (means.reportActivity)
        mScreenSaver.simulateUserActivity();
    // As user input does for the X server: its screen saver, DPMS and idle time start again.
    if (Display *display = x11Display(); display && means.resetScreenSaver) {
        XResetScreenSaver(display);
        XFlush(display);
    }
}

void DesktopPlatform::inhibitIdle()
{
    mScreenSaver.inhibit();
    Display *display = x11Display();
    if (display && !mScreenSaverSuspended && KeepAwakeMeans::choose(keepAwakeOffered()).suspendScreenSaver) {
        XScreenSaverSuspend(display, True);
        XFlush(display);
        mScreenSaverSuspended = true;
    }
}

void DesktopPlatform::releaseIdleInhibition()
{
    mScreenSaver.release();
    if (!mScreenSaverSuspended)
        return;
    mScreenSaverSuspended = false;
    if (Display *display = x11Display()) {
        XScreenSaverSuspend(display, False);
        XFlush(display);
    }
}

bool DesktopPlatform::chooseFont(FontChoice &font)
{
    return runFontDialog(font);
}

std::optional<qint32> DesktopPlatform::chooseColour(qint32 initial)
{
    return runColourDialog(initial);
}

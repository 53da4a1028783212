#include "platform/DesktopPlatform.h"

#include "platform/KernelClockSync.h"

#include "platform/ColourDialog.h"
#include "platform/FontDialog.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QMessageBox>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
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

void DesktopPlatform::sendRightShift(bool pressed)
{
    // Synthetic keys exist on X11 only; elsewhere the idle inhibition does the work.
    const auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display *display = x11 ? x11->display() : nullptr;
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
    mScreenSaver.simulateUserActivity();
}

void DesktopPlatform::inhibitIdle()
{
    mScreenSaver.inhibit();
}

void DesktopPlatform::releaseIdleInhibition()
{
    mScreenSaver.release();
}

bool DesktopPlatform::chooseFont(FontChoice &font)
{
    return runFontDialog(font);
}

std::optional<qint32> DesktopPlatform::chooseColour(qint32 initial)
{
    return runColourDialog(initial);
}

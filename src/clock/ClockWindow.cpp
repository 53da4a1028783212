#include "clock/ClockWindow.h"

#include "base/ProductInfo.h"
#include "drawing/TimeStrip.h"
#include "dressing/AccessibleRole.h"
#include "dressing/Twips.h"
#include "dressing/WindowDressing.h"
#include "wallscreen/OtherZonesView.h"
#include "wallscreen/WallScreenMenu.h"
#include "windows/OpenWindows.h"

#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QWindow>

namespace {

// A centred line under the time, hidden until an option shows it; mouse input goes past it.
// A screen reader reads its text in the role given, once: a warning is a notification,
// announced as it shows.
QLabel *lineUnderTheTime(QWidget &window, const QString &text, QAccessible::Role role)
{
    auto *line = new QLabel(&window);
    setAccessibleRole(*line, role);
    setAccessibleText(*line, QAccessible::Name, [line] { return line->text(); });
    line->setText(text);
    line->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    line->setAttribute(Qt::WA_TransparentForMouseEvents);
    line->hide();
    return line;
}

}

ClockWindow::ClockWindow()
    : pointer(*this)
{
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    OpenWindows::markAsGround(*this);
    setAccessibleName(tr("%1 — clock").arg(ProductInfo::productName));
    resize(twips(7095), twips(3690));
    QFont windowFont(QStringLiteral("Arial"), 9);
    windowFont.setBold(true);
    setFont(windowFont);
    setMouseTracking(true);

    Picture1 = new TimeStrip(this);
    Picture1->setGeometry(twipsRect(1200, 360, 4350, 1650));

    mMeasuringLabel = std::make_unique<QLabel>(QStringLiteral("12345"));
    lblTime = mMeasuringLabel.get();
    QFont measuringFont(QStringLiteral("Courier New"), 72);
    measuringFont.setBold(true);
    lblTime->setFont(measuringFont);
    lblTime->setGeometry(twipsRect(1245, 1485, 4350, 1650));
    lblTime->hide();

    Label1 = new QLabel(tr("Press ESC To Exit. Type 'hide' to hide this text."), this);
    Label1->setGeometry(twipsRect(120, 120, 4215, 495));
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette hint = Label1->palette();
    hint.setColor(QPalette::WindowText, hintColour);
    Label1->setPalette(hint);
    optionsTip = new QLabel(tr("Right-click or press Menu for wall-screen options"), this);
    optionsTip->setGeometry(twipsRect(120, 390, 7000, 495));
    optionsTip->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    optionsTip->setPalette(hint);
    optionsTip->hide();
    // A translation longer than the designed width shows whole.
    for (QLabel *label : { Label1, optionsTip })
        label->resize(std::max(label->width(), label->sizeHint().width()), label->height());
    optionsTipTimer = new QTimer(this);
    optionsTipTimer->setSingleShot(true);
    optionsTipTimer->setInterval(10000);
    connect(optionsTipTimer, &QTimer::timeout, optionsTip, &QLabel::hide);

    setBackColor(Qt::black);

    Timer1 = new QTimer(this);
    Timer1->setTimerType(Qt::PreciseTimer);
    Timer1->setSingleShot(true);
    Timer2 = new QTimer(this);
    Timer2->setInterval(59000);

    infoLines = lineUnderTheTime(*this, QString(), QAccessible::StaticText);
    noticeLine = new QWidget(this);
    setAccessibleRole(*noticeLine, QAccessible::Notification);
    setAccessibleText(*noticeLine, QAccessible::Name, [this] { return mNotice; });
    noticeLine->setAttribute(Qt::WA_TransparentForMouseEvents);
    noticeLine->hide();
    syncWarning = lineUnderTheTime(*this, tr("Time may be off: not synchronised"), QAccessible::Notification);
    zoneWarning = lineUnderTheTime(*this, QString(), QAccessible::Notification);
    otherZones = new OtherZonesView(this);
    // The time and the lines under it take no mouse input: a move, a click or a double-click
    // over them is the clock window's own.
    Picture1->setAttribute(Qt::WA_TransparentForMouseEvents);
    optionsMenu = new WallScreenMenu(this);
    pointerIdleTimer = new QTimer(this);
    pointerIdleTimer->setSingleShot(true);
    // A long press opens the menu on a touch screen.
    grabGesture(Qt::TapAndHoldGesture);
}

ClockWindow::~ClockWindow() = default;

void ClockWindow::setNotice(const QString &text)
{
    if (text == mNotice)
        return;
    mNotice = text;
    // Shown anew, so that a screen reader announces the new notice.
    noticeLine->hide();
    noticeLine->setVisible(!text.isEmpty());
}

void ClockWindow::hideOptionsTip()
{
    optionsTip->hide();
    optionsTipTimer->stop();
}

void ClockWindow::setBackColor(const QColor &colour)
{
    mBackColor = colour;
    setBackgroundColour(*this, colour);
}

void ClockWindow::setVisible(bool visible)
{
    // The time's own surface lives on this window's: it goes first.
    if (!visible)
        Picture1->showThroughWindow();
    QWidget::setVisible(visible);
}

void ClockWindow::showOverScreen(QScreen *screen)
{
    const bool wasShown = isVisible();
    const QRect covered = geometry();
    if (screen) {
        setScreen(screen);
        setGeometry(screen->geometry());
    }
    showFullScreen();
    // A dialog open over the clock moves with it: a window manager may leave it on a screen
    // that is gone, and without one the clock would cover it.
    if (wasShown)
        OpenWindows::moveAlong(covered, screen ? screen->geometry() : geometry());
}

void ClockWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    emit resized();
}

void ClockWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // The native window exists from the first showing on.
    QWindow *native = windowHandle();
    if (mWatchingExposure || !native)
        return;
    mWatchingExposure = true;
    native->installEventFilter(this);
    connect(native, &QWindow::screenChanged, this, &ClockWindow::exposed);
}

bool ClockWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == windowHandle() && event->type() == QEvent::Expose && windowHandle()->isExposed())
        emit exposed();
    return QWidget::eventFilter(watched, event);
}

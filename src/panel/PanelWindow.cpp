#include "panel/PanelWindow.h"

#include "base/ProductInfo.h"
#include "dressing/PushButtonLook.h"
#include "dressing/RadioGroupKeys.h"
#include "dressing/TextRoom.h"
#include "dressing/Twips.h"
#include "dressing/WindowDressing.h"
#include "dressing/WindowPlacement.h"
#include "settings/ClockFormatName.h"
#include "windows/OpenWindows.h"
#include "zonechoice/ZoneListFilter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace {

const QColor designWhite(Qt::white);

template <typename Control>
Control *place(QWidget *parent, const QString &caption, QRect geometry)
{
    auto *control = new Control(caption, parent);
    control->setGeometry(geometry);
    setBackgroundColour(*control, designWhite);
    return control;
}

QPushButton *pushButton(QWidget *parent, const QString &caption, int top)
{
    return makePushButton(parent, caption, twipsRect(120, top, 7800, 405));
}

}

PanelWindow::PanelWindow()
    : pointer(*this)
{
    // Fixed size: a title, the system menu, minimise and close, and no maximise button.
    // The customize flag keeps Qt from adding its default buttons.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(twips(8040), twips(6900));
    OpenWindows::markAsGround(*this);
    setAccessibleName(ProductInfo::productName);
    setBackgroundColour(*this, designWhite);
    QFont font(QStringLiteral("Arial"), 9);
    font.setBold(true);
    setFont(font);
    setMouseTracking(true);

    PushButton1 = pushButton(this, tr("Show Fullscreen Clock"), 120);

    Frame2 = place<QGroupBox>(this, tr("Select Time Zone"), twipsRect(120, 560, 7800, 810));
    Combo1 = new QComboBox(Frame2);
    Combo1->setGeometry(twipsRect(240, 300, 7455, 345));
    ZoneListFilter::attach(*Combo1);

    Frame4 = place<QGroupBox>(this, tr("Format Options"), twipsRect(120, 1430, 7800, 1395));
    Option1 = place<QRadioButton>(Frame4, ClockFormatName::of(ClockFormat::HoursMinutesSecondsAmPm),
                                  twipsRect(240, 300, 5175, 255));
    Option2 = place<QRadioButton>(Frame4, ClockFormatName::of(ClockFormat::HoursMinutesAmPm),
                                  twipsRect(240, 650, 5175, 255));
    Option3
        = place<QRadioButton>(Frame4, ClockFormatName::of(ClockFormat::HoursMinutes), twipsRect(240, 1000, 6075, 255));
    Option1->setChecked(true);
    RadioGroupKeys::selectWithArrowKeys({ Option1, Option2, Option3 });

    Frame1 = place<QGroupBox>(this, tr("Prevent Option"), twipsRect(120, 2880, 7800, 1050));
    Check4 = place<QCheckBox>(Frame1, tr("Prevent computer from sleeping or starting screensaver"),
                              twipsRect(240, 300, 5295, 255));
    Check1 = place<QCheckBox>(Frame1, tr("Hide 'Press ESC To Exit'"), twipsRect(240, 650, 5295, 255));

    Frame3 = place<QGroupBox>(this, tr("Startup Options"), twipsRect(120, 3990, 7800, 735));
    Check3 = place<QCheckBox>(Frame3, tr("Load this software on Windows startup"), twipsRect(240, 300, 3930, 285));
    Check8 = place<QCheckBox>(Frame3, tr("Start in system tray"), twipsRect(4200, 330, 2340, 285));
    Check8->hide();

    PushButton2 = pushButton(this, tr("Change Font Style && Size"), 4850);
    PushButton3 = pushButton(this, tr("Reset Font To Defaults"), 5360);
    PushButton4 = pushButton(this, tr("Change Color"), 5870);
    PushButton5 = pushButton(this, tr("Reset Color To Defaults"), 6380);

    for (QGroupBox *frame : frames())
        frame->setMouseTracking(true);
    makeRoomForTexts(*this);
    setTabOrder();
}

QList<QPushButton *> PanelWindow::pushButtons() const
{
    return { PushButton1, PushButton2, PushButton3, PushButton4, PushButton5 };
}

QList<QGroupBox *> PanelWindow::frames() const
{
    return { Frame1, Frame2, Frame3, Frame4 };
}

void PanelWindow::setTabOrder()
{
    // The designed tab order; frames take no focus.
    const QList<QWidget *> order = { Combo1, Check4,      Check1,      PushButton2, PushButton3, PushButton1, Check3,
                                     Check8, PushButton4, PushButton5, Option1,     Option3,     Option2 };
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    Combo1->setFocus();
}

void PanelWindow::showSiteLockNote()
{
    if (SiteLockNote)
        return;
    // Close under the last button, in the margin below it, which the line's height extends.
    const int top = PushButton5->geometry().bottom() + 1 + twips(45);
    SiteLockNote = new QLabel(tr("Some settings are set by your administrator"), this);
    const int lineHeight = SiteLockNote->sizeHint().height();
    SiteLockNote->setGeometry(twips(120), top, width() - twips(240), lineHeight);
    setFixedSize(width(), height() + lineHeight);
    // Heard as well as seen: the panel's description says it as a screen reader comes to the
    // panel, and Tab reaches the line after the last control.
    SiteLockNote->setFocusPolicy(Qt::TabFocus);
    setAccessibleDescription(SiteLockNote->text());
    SiteLockNote->show();
}

void PanelWindow::centreOnScreen()
{
    ::centreOnScreen(*this);
}

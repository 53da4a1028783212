#include "panel/ColourWindow.h"

#include "dressing/PushButtonLook.h"
#include "dressing/TextRoom.h"
#include "dressing/Twips.h"
#include "panel/SwatchLabel.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace {

SwatchLabel *swatchIn(QGroupBox *frame)
{
    auto *swatch = new SwatchLabel(frame);
    swatch->setAccessibleName(frame->title());
    swatch->setGeometry(twipsRect(240, 300, 3300, 495));
    swatch->setMouseTracking(true);
    return swatch;
}

QGroupBox *frame(QWidget *parent, const QString &caption, int left)
{
    auto *group = new QGroupBox(caption, parent);
    group->setGeometry(twipsRect(left, 30, 3840, 975));
    group->setMouseTracking(true);
    return group;
}

}

ColourWindow::ColourWindow()
    : pointer(*this)
{
    // A fixed single border: a close button and no way to resize.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(twips(8040), twips(1665));
    QFont font(QStringLiteral("Arial"), 9);
    font.setBold(true);
    setFont(font);
    setMouseTracking(true);
    setWindowTitle(tr("Color Option"));

    Frame1 = frame(this, tr("Text Color Option"), 120);
    Label1 = swatchIn(Frame1);
    Frame2 = frame(this, tr("Background Color Option"), 4080);
    Label2 = swatchIn(Frame2);
    PushButton1 = makePushButton(this, tr("Close"), twipsRect(120, 1140, 7800, 405));
    Text1 = new QLineEdit(QStringLiteral("Text1"), this);
    Text1->setGeometry(twipsRect(840, 2160, 2655, 420));
    Text1->setFocusPolicy(Qt::NoFocus);
    makeRoomForTexts(*this);

    setTabOrder();
}

void ColourWindow::setTabOrder()
{
    // The designed tab order, the frames last; the field out of sight takes no focus.
    const QList<QWidget *> order = { Text1, Label1, Label2, PushButton1 };
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    Label1->setFocus();
}

void ColourWindow::keyPressEvent(QKeyEvent *event)
{
    // The swatches and the button leave Esc to the window.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        emit escapePressed();
        return;
    }
    QWidget::keyPressEvent(event);
}

#include "dressing/PushButtonLook.h"

#include <QGuiApplication>
#include <QPushButton>

QPushButton *makePushButton(QWidget *parent, const QString &caption, const QRect &geometry)
{
    auto *button = new QPushButton(caption, parent);
    button->setGeometry(geometry);
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(11.25);
    font.setBold(true);
    button->setFont(font);
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, Qt::white);
    // The button-text colour while it can be used; a disabled (or locked) button keeps the
    // system's dimmed text, so that it looks unavailable.
    const QColor text = QGuiApplication::palette().color(QPalette::Active, QPalette::ButtonText);
    palette.setColor(QPalette::Active, QPalette::ButtonText, text);
    palette.setColor(QPalette::Inactive, QPalette::ButtonText, text);
    button->setPalette(palette);
    button->setMouseTracking(true);
    button->setFocusPolicy(Qt::StrongFocus);
    // Enter and Return click the focused button, as Space does; outside a dialog Qt
    // clicks on them only for buttons marked so.
    button->setAutoDefault(true);
    return button;
}

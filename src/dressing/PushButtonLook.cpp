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
    palette.setColor(QPalette::ButtonText, QGuiApplication::palette().color(QPalette::ButtonText));
    button->setPalette(palette);
    button->setMouseTracking(true);
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

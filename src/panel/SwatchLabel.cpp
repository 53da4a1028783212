#include "panel/SwatchLabel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

SwatchLabel::SwatchLabel(QWidget *parent)
    : QLabel(parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

void SwatchLabel::mousePressEvent(QMouseEvent *event)
{
    // Accepting the press keeps the release with this label.
    event->setAccepted(event->button() == Qt::LeftButton);
}

void SwatchLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    event->accept();
    if (rect().contains(event->position().toPoint()))
        emit clicked();
}

void SwatchLabel::keyPressEvent(QKeyEvent *event)
{
    const bool activates
        = event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!activates || (event->modifiers() & ~Qt::KeypadModifier) || event->isAutoRepeat()) {
        QLabel::keyPressEvent(event);
        return;
    }
    event->accept();
    emit clicked();
}

void SwatchLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    // A dashed frame in black or white, whichever stands out on the swatch's colour.
    const QColor swatch = palette().color(backgroundRole());
    QPainter painter(this);
    painter.setPen(QPen(swatch.lightnessF() > 0.5F ? Qt::black : Qt::white, 2, Qt::DashLine));
    painter.drawRect(rect().adjusted(2, 2, -3, -3));
}

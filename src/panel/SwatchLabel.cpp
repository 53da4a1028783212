#include "panel/SwatchLabel.h"

#include <QMouseEvent>

SwatchLabel::SwatchLabel(QWidget *parent)
    : QLabel(parent)
{
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

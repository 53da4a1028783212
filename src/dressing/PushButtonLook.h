#pragma once

#include <QRect>
#include <QString>

class QPushButton;
class QWidget;

// A push button as the windows design them: Arial 11.25 points bold, the system
// button-text colour on white, placed at the geometry, taking focus by tab and click and
// tracking the mouse for pointer feedback.
QPushButton *makePushButton(QWidget *parent, const QString &caption, const QRect &geometry);

#pragma once

#include <QLabel>

// A caption-less label that shows a colour and reports clicks: a press and a release of
// the left button inside it, or Space or Enter while it has the keyboard's focus, which it
// shows with a frame.
class SwatchLabel : public QLabel {
    Q_OBJECT

public:
    explicit SwatchLabel(QWidget *parent);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};

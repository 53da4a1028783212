#pragma once

#include <QLabel>

// A caption-less label that shows a colour and reports clicks: a press and a release of
// the left button inside it.
class SwatchLabel : public QLabel {
    Q_OBJECT

public:
    explicit SwatchLabel(QWidget *parent);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};

#pragma once

#include "dressing/MousePointer.h"

#include <QWidget>

class QGroupBox;
class QLineEdit;
class QPushButton;
class SwatchLabel;

// The colour option window with its two swatches, laid out as designed. It holds no
// behaviour: Form3 connects the controls to its procedures.
class ColourWindow : public QWidget {
    Q_OBJECT

public:
    ColourWindow();

    QGroupBox *Frame1;
    SwatchLabel *Label1;
    QGroupBox *Frame2;
    SwatchLabel *Label2;
    QPushButton *PushButton1;
    // Placed below the visible area, where it takes no focus.
    QLineEdit *Text1;

    MousePointer pointer;

signals:
    // Esc, in the window or any of its controls: the window closes as its Close button does.
    void escapePressed();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void setTabOrder();
};

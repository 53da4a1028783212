#pragma once

#include "dressing/MousePointer.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

// The control panel's window with its controls, laid out as designed. It holds no
// behaviour: Form1 connects the controls to its procedures.
class PanelWindow : public QWidget {
    Q_OBJECT

public:
    PanelWindow();

    // Places the window in the centre of the screen it is on.
    void centreOnScreen();
    // Adds, under the last button, the line that tells why some controls are disabled; the
    // window grows by its height.
    void showSiteLockNote();

    QPushButton *PushButton1;
    QGroupBox *Frame2;
    QComboBox *Combo1;
    QGroupBox *Frame4;
    QRadioButton *Option1;
    QRadioButton *Option2;
    QRadioButton *Option3;
    QGroupBox *Frame1;
    QCheckBox *Check4;
    QCheckBox *Check1;
    QGroupBox *Frame3;
    QCheckBox *Check3;
    QCheckBox *Check8;
    QPushButton *PushButton2;
    QPushButton *PushButton3;
    QPushButton *PushButton4;
    QPushButton *PushButton5;
    // Made by showSiteLockNote only.
    QLabel *SiteLockNote = nullptr;

    MousePointer pointer;

    QList<QPushButton *> pushButtons() const;
    QList<QGroupBox *> frames() const;

private:
    void setTabOrder();
};

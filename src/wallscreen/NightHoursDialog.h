#pragma once

#include "wallscreen/NightDimming.h"

#include <QDialog>

class QDialogButtonBox;
class QSpinBox;
class QTimeEdit;

// Night hours of the user's own: from, to and the digits' brightness, each a field that the
// keyboard reaches (Alt+F, Alt+T, Alt+B). OK stays off while the range is empty.
class NightHoursDialog : public QDialog {
    Q_OBJECT

public:
    NightHoursDialog(const NightDimming &shown, QWidget *parent);

    NightDimming chosen() const;

private:
    void allowOnlyARange();

    QTimeEdit *mFrom;
    QTimeEdit *mTo;
    QSpinBox *mLevel;
    QDialogButtonBox *mButtons;
};

#pragma once

#include "wallscreen/NightDimming.h"

#include <QDialog>
#include <QMap>

class QDialogButtonBox;
class QSpinBox;
class QTimeEdit;

// Night hours of the user's own: from, to and the digits' brightness, each a field that the
// keyboard reaches (Alt+F, Alt+T, Alt+B). OK stays off while the range is empty. Each field
// declares the key it writes, so that the site's locks find it.
class NightHoursDialog : public QDialog {
    Q_OBJECT

public:
    NightHoursDialog(const NightDimming &shown, QWidget *parent);

    // The texts to store, by key.
    QMap<QString, QString> chosen() const;

private:
    void allowOnlyARange();

    QTimeEdit *mFrom;
    QTimeEdit *mTo;
    QSpinBox *mLevel;
    QDialogButtonBox *mButtons;
};

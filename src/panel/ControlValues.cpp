#include "panel/ControlValues.h"

#include "base/RuntimeError.h"

#include <QCheckBox>
#include <QRadioButton>

int checkValue(const QCheckBox &box)
{
    switch (box.checkState()) {
    case Qt::Unchecked:
        return 0;
    case Qt::Checked:
        return 1;
    case Qt::PartiallyChecked:
        break;
    }
    return 2;
}

void setCheckValue(QCheckBox &box, int value)
{
    constexpr Qt::CheckState states[] = { Qt::Unchecked, Qt::Checked, Qt::PartiallyChecked };
    if (value < 0 || value > 2)
        throw RuntimeError(RuntimeErrors::invalidPropertyValue);
    box.setCheckState(states[value]);
}

void setOptionValue(QRadioButton &option, bool value)
{
    if (value || !option.isChecked()) {
        option.setChecked(value);
        return;
    }
    // Qt keeps one button of an exclusive group checked; clearing the last one needs
    // the group's exclusivity lifted for a moment.
    option.setAutoExclusive(false);
    option.setChecked(false);
    option.setAutoExclusive(true);
}

#include "wallscreen/NightHoursDialog.h"

#include "settings/WallScreenValues.h"
#include "wallscreen/WallScreenOptions.h"
#include "windows/SiteLocks.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QSpinBox>
#include <QTimeEdit>

namespace {

QTimeEdit *clockTimeField(const QTime &time, QWidget *parent)
{
    auto *field = new QTimeEdit(time, parent);
    field->setDisplayFormat(QStringLiteral("HH:mm"));
    field->setWrapping(true);
    return field;
}

}

NightHoursDialog::NightHoursDialog(const NightDimming &shown, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Night Hours"));
    // A dimming that is off offers the menu's first range.
    mFrom = clockTimeField(shown.from.value_or(QTime(21, 0)), this);
    mTo = clockTimeField(shown.to, this);
    mLevel = new QSpinBox(this);
    mLevel->setRange(WallScreenValues::dimmestLevel, 100);
    mLevel->setSuffix(QStringLiteral("%"));
    mLevel->setValue(shown.level);
    SiteLocks::declare(*mFrom, { WallScreenOptions::nightDimFromKey });
    SiteLocks::declare(*mTo, { WallScreenOptions::nightDimToKey });
    SiteLocks::declare(*mLevel, { WallScreenOptions::nightDimLevelKey });
    mButtons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);

    auto *form = new QFormLayout(this);
    form->addRow(tr("&From:"), mFrom);
    form->addRow(tr("&To:"), mTo);
    form->addRow(tr("Digits' &brightness:"), mLevel);
    form->addRow(mButtons);
    form->setSizeConstraint(QLayout::SetFixedSize);

    connect(mButtons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(mButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(mFrom, &QTimeEdit::timeChanged, this, &NightHoursDialog::allowOnlyARange);
    connect(mTo, &QTimeEdit::timeChanged, this, &NightHoursDialog::allowOnlyARange);
    allowOnlyARange();
    mFrom->setFocus();
}

QMap<QString, QString> NightHoursDialog::chosen() const
{
    return { { WallScreenOptions::nightDimFromKey, WallScreenValues::clockTimeText(mFrom->time()) },
             { WallScreenOptions::nightDimToKey, WallScreenValues::clockTimeText(mTo->time()) },
             { WallScreenOptions::nightDimLevelKey, QString::number(mLevel->value()) } };
}

void NightHoursDialog::allowOnlyARange()
{
    mButtons->button(QDialogButtonBox::Ok)->setEnabled(mFrom->time() != mTo->time());
}

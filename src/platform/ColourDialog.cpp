#include "platform/ColourDialog.h"

#include "platform/OleColor.h"

#include <QApplication>
#include <QColorDialog>

qint32 runColourDialog(qint32 initial)
{
    const QColor chosen = QColorDialog::getColor(OleColor::toColor(initial), QApplication::activeWindow());
    return chosen.isValid() ? OleColor::fromColor(chosen) : initial;
}

#include "platform/ColourDialog.h"

#include "platform/AcceptedDialog.h"
#include "platform/OleColor.h"

#include <QApplication>
#include <QColorDialog>

qint32 runColourDialog(qint32 initial)
{
    const std::unique_ptr<QColorDialog> accepted
        = acceptedDialog(new QColorDialog(OleColor::toColor(initial), QApplication::activeWindow()));
    return accepted ? OleColor::fromColor(accepted->selectedColor()) : initial;
}

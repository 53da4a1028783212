#include "platform/ColourDialog.h"

#include "platform/AcceptedDialog.h"
#include "platform/OleColor.h"

#include <QApplication>
#include <QColorDialog>

std::optional<qint32> runColourDialog(qint32 initial)
{
    const std::unique_ptr<QColorDialog> accepted
        = acceptedDialog(new QColorDialog(OleColor::toColor(initial), QApplication::activeWindow()));
    if (!accepted)
        return std::nullopt;
    return OleColor::fromColor(accepted->selectedColor());
}

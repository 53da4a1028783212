#include "app/FontDialog.h"

#include "app/FontChoice.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontDialog>
#include <QGroupBox>

namespace {

QFont presetFont(const FontChoice &choice)
{
    QFont font(choice.name);
    font.setBold(choice.bold);
    font.setItalic(choice.italic);
    // Qt refuses sizes that are not positive; the dialog then shows its own size.
    if (choice.size > 0)
        font.setPointSizeF(choice.size);
    font.setStrikeOut(choice.strikethrough);
    font.setUnderline(choice.underline);
    return font;
}

// Qt's dialog has no option to leave out its effects group: hide the group that holds
// the strikethrough and underline boxes.
void hideEffects(QFontDialog &dialog)
{
    const QList<QGroupBox *> groups = dialog.findChildren<QGroupBox *>();
    for (QGroupBox *group : groups) {
        if (!group->findChildren<QCheckBox *>().isEmpty())
            group->hide();
    }
}

}

bool runFontDialog(FontChoice &font)
{
    QFontDialog dialog(presetFont(font), QApplication::activeWindow());
    // Only Qt's own dialog lets the effects group be hidden.
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    hideEffects(dialog);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const QFont picked = dialog.selectedFont();
    font.name = picked.family();
    font.bold = picked.bold();
    font.italic = picked.italic();
    font.size = static_cast<float>(picked.pointSizeF());
    return true;
}

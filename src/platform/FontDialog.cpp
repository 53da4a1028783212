#include "platform/FontDialog.h"

#include "base/FontChoice.h"
#include "platform/AcceptedDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontDialog>
#include <QFontInfo>
#include <QGroupBox>

namespace {

// The dialog lists real faces only: the face that the system substitutes for a name it
// lacks ("Courier New" is often Liberation Mono).
QString displayedFace(const QString &name)
{
    return QFontInfo(QFont(name)).family();
}

QFont presetFont(const FontChoice &choice)
{
    QFont font(displayedFace(choice.name));
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
// the strikethrough and underline boxes, and keep its height for the sample beside it.
void hideEffects(QFontDialog &dialog)
{
    const QList<QGroupBox *> groups = dialog.findChildren<QGroupBox *>();
    int effectsHeight = 0;
    for (QGroupBox *group : groups) {
        if (!group->findChildren<QCheckBox *>().isEmpty()) {
            effectsHeight = group->sizeHint().height();
            group->hide();
        }
    }
    for (QGroupBox *group : groups) {
        if (!group->isHidden())
            group->setMinimumHeight(effectsHeight);
    }
}

}

bool runFontDialog(FontChoice &font)
{
    auto *dialog = new QFontDialog(presetFont(font), QApplication::activeWindow());
    // Only Qt's own dialog lets the effects group be hidden.
    dialog->setOption(QFontDialog::DontUseNativeDialog);
    hideEffects(*dialog);
    const std::unique_ptr<QFontDialog> accepted = acceptedDialog(dialog);
    if (!accepted)
        return false;
    const QFont picked = accepted->selectedFont();
    // A face left as shown keeps the name it was given, not the substitute's.
    if (picked.family() != displayedFace(font.name))
        font.name = picked.family();
    font.bold = picked.bold();
    font.italic = picked.italic();
    font.size = static_cast<float>(picked.pointSizeF());
    return true;
}

#pragma once

#include <QDialog>
#include <QPointer>
#include <memory>

// Runs a modal dialog made on the heap and hands it back when the user accepted it, else
// deletes it. A window that goes away while the dialog is open takes its child dialog
// along: that counts as a cancel, where a dialog on the stack would be deleted twice.
template <typename Dialog>
std::unique_ptr<Dialog> acceptedDialog(Dialog *dialog)
{
    const QPointer<Dialog> alive(dialog);
    const int result = dialog->exec();
    if (!alive)
        return nullptr;
    std::unique_ptr<Dialog> owned(dialog);
    if (result != QDialog::Accepted)
        return nullptr;
    return owned;
}

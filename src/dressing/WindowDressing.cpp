#include "dressing/WindowDressing.h"

#include "base/FileHelpers.h"
#include "base/ProductInfo.h"
#include "dressing/SkinFramework.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QRadioButton>

namespace {

void paintButtonFace(QWidget &widget)
{
    setBackgroundColour(widget, QGuiApplication::palette().color(QPalette::Button));
}

// Styles draw a frame's inside a shade off its colour; a check box or option button that
// filled its own background would lie on it as a strip of its own width.
bool showsItsFrame(const QWidget &widget)
{
    return qobject_cast<const QRadioButton *>(&widget) || qobject_cast<const QCheckBox *>(&widget);
}

bool takesButtonFace(const QWidget *widget)
{
    return qobject_cast<const QRadioButton *>(widget) || qobject_cast<const QCheckBox *>(widget)
        || qobject_cast<const QGroupBox *>(widget) || qobject_cast<const QLabel *>(widget);
}

}

void setBackgroundColour(QWidget &widget, const QColor &colour)
{
    // Check boxes and option buttons paint their background in the button role.
    QPalette palette = widget.palette();
    palette.setColor(widget.backgroundRole(), colour);
    widget.setPalette(palette);
    widget.setAutoFillBackground(!showsItsFrame(widget));
}

void SetFormColors(QWidget &window)
{
    paintButtonFace(window);
    const QList<QWidget *> controls = window.findChildren<QWidget *>();
    for (QWidget *control : controls) {
        if (takesButtonFace(control))
            paintButtonFace(*control);
    }
}

void ApplySkin(QWidget &window, SkinFramework &skin, const QString &programFolder)
{
    const QString skinPath = programFilePath(programFolder, ProductInfo::skinFileName);
    // Only an ordinary file counts: a folder of that name or a hidden file does not.
    const QFileInfo skinFile(skinPath);
    if (!skinFile.isFile() || skinFile.isHidden())
        return;
    SetFormColors(window);
    skin.LoadSkin(skinPath, QString());
    skin.setApplyOptions(skin.ApplyOptions() | 1);
    skin.setAutoApplyNewWindows(true);
    skin.setAutoApplyNewThreads(true);
    skin.ApplyWindow(window);
}

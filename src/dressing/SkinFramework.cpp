#include "dressing/SkinFramework.h"

#include "base/FileHelpers.h"
#include "base/RuntimeError.h"

#include <QApplication>
#include <QFile>
#include <QWidget>

void SkinFramework::LoadSkin(const QString &path, const QString &)
{
    QFile file(path);
    if (!openRegularFile(file, QIODevice::ReadOnly | QIODevice::Text))
        throw RuntimeError(RuntimeErrors::fileNotFound);
    mStyleSheet = QString::fromUtf8(file.readAll());
    mLoaded = true;
}

void SkinFramework::ApplyWindow(QWidget &window) const
{
    window.setStyleSheet(mStyleSheet);
}

void SkinFramework::setAutoApplyNewWindows(bool on)
{
    mAutoApplyNewWindows = on;
    // The application's style sheet reaches every window, including those made later.
    if (on && mLoaded)
        qApp->setStyleSheet(mStyleSheet);
}

#include "app/DesktopPlatform.h"

#include "app/ColourDialog.h"
#include "app/FontDialog.h"

#include <QDesktopServices>
#include <QMessageBox>

namespace {

QMessageBox::Icon boxIcon(PlatformServices::MessageIcon icon)
{
    switch (icon) {
    case PlatformServices::MessageIcon::Critical:
        return QMessageBox::Critical;
    case PlatformServices::MessageIcon::Information:
        return QMessageBox::Information;
    case PlatformServices::MessageIcon::Warning:
        break;
    }
    return QMessageBox::Warning;
}

// Message texts use Windows line ends ("\r\n", and "\r" alone for a blank line).
QString displayLines(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

}

QDateTime DesktopPlatform::currentDateTime() const
{
    return QDateTime::currentDateTime();
}

void DesktopPlatform::showMessage(const QString &text, const QString &title, MessageIcon icon)
{
    QMessageBox box(boxIcon(icon), title, displayLines(text), QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool DesktopPlatform::openUrl(const QUrl &url)
{
    return QDesktopServices::openUrl(url);
}

void DesktopPlatform::seedRandom(quint32 seed)
{
    mRandom.seed(seed);
}

double DesktopPlatform::nextRandom()
{
    return std::uniform_real_distribution<double>(0.0, 1.0)(mRandom);
}

bool DesktopPlatform::chooseFont(FontChoice &font)
{
    return runFontDialog(font);
}

qint32 DesktopPlatform::chooseColour(qint32 initial)
{
    return runColourDialog(initial);
}

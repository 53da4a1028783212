#include "windows/FormObject.h"

#include "dressing/WindowPlacement.h"

#include <QCloseEvent>

FormObject::~FormObject()
{
    discard();
}

QWidget &FormObject::window()
{
    if (mWindow)
        return *mWindow;
    QWidget *created = createWindow();
    mWindow = created;
    created->installEventFilter(this);
    Form_Load();
    // Still alive when Form_Load ended the program: discarded windows are deleted later.
    return *created;
}

void FormObject::Show()
{
    window().show();
}

void FormObject::ShowCentredOn(QScreen *screen)
{
    QWidget &shown = window();
    if (screen)
        centreOnScreen(shown, *screen);
    shown.show();
}

void FormObject::bringToFront()
{
    QWidget &shown = window();
    // Normal or full screen, as before it was minimised.
    shown.setWindowState(shown.windowState() & ~Qt::WindowMinimized);
    shown.show();
    shown.raise();
    shown.activateWindow();
}

void FormObject::Hide()
{
    if (mWindow)
        mWindow->hide();
}

void FormObject::Unload()
{
    if (mWindow)
        mWindow->close();
}

void FormObject::discard()
{
    if (!mWindow)
        return;
    mWindow->removeEventFilter(this);
    destroyWindow();
}

void FormObject::destroyWindow()
{
    // The window may be inside its own event handler: let Qt delete it afterwards.
    QWidget *window = mWindow;
    mWindow.clear();
    window->hide();
    // Until Qt deletes it, nothing of the window may reach this object: a timer of its
    // due in the same pass would otherwise make the window again to run its tick.
    for (QObject *part : window->findChildren<QObject *>())
        part->disconnect(this);
    window->disconnect(this);
    window->deleteLater();
}

bool FormObject::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == mWindow && event->type() == QEvent::Close) {
        Form_QueryUnload();
        // The closing procedure may have ended the program and discarded the window.
        if (mWindow) {
            mWindow->removeEventFilter(this);
            destroyWindow();
            Form_Unload();
            emit unloaded();
        }
        return true;
    }
    return QObject::eventFilter(watched, event);
}

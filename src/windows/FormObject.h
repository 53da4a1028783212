#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

class QScreen;

// A program window as an object that outlives its on-screen window: the object keeps
// its variables while the QWidget with the controls is made when the window loads and
// destroyed when it unloads. Reaching the window while it is unloaded loads it again,
// hidden, and runs Form_Load.
class FormObject : public QObject {
    Q_OBJECT

public:
    ~FormObject() override;

    bool isLoaded() const { return !mWindow.isNull(); }
    bool isShown() const { return isLoaded() && mWindow->isVisible(); }

    // Loads the window, hidden, when it is not loaded.
    void Load() { window(); }
    // Loads the window when needed, then shows it.
    void Show();
    // As Show, centred on the given screen (where it is, without one).
    void ShowCentredOn(QScreen *screen);
    // Shows the window above the program's others, no longer minimised, and asks the
    // desktop for the focus.
    void bringToFront();
    void Hide();
    // Closes the window as any close does: runs Form_QueryUnload, then unloads it.
    void Unload();
    // Destroys the window without running any of its procedures (the program ends).
    void discard();

    virtual void Form_Load() = 0;

signals:
    // The window was closed and unloaded (not when the program ends).
    void unloaded();

protected:
    // The window, loaded again (hidden, running Form_Load) if it was unloaded.
    QWidget &window();

    virtual QWidget *createWindow() = 0;
    virtual void Form_QueryUnload() { }
    virtual void Form_Unload() { }

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void destroyWindow();

    QPointer<QWidget> mWindow;
};

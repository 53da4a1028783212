#pragma once

#include <QCursor>
#include <QString>
#include <optional>

class QWidget;

// A window's mouse pointer by code: 0 the default arrow, 11 the hourglass, 99 the
// window's custom pointer picture (the platform's arrow when the window has none).
class MousePointer {
public:
    enum Code { Default = 0, Hourglass = 11, Custom = 99 };

    explicit MousePointer(QWidget &window);

    int code() const { return mCode; }
    void set(int code);
    // Pointer feedback never replaces the hourglass.
    void setUnlessBusy(int code);

    // Hides the pointer until the next set(); not over the hourglass.
    void hideUnlessBusy();

    void setCustomPicture(const QCursor &picture);

    // Loads a pointer file (.cur, or any image Qt reads); throws RuntimeError when the
    // file holds no picture.
    static QCursor loadPicture(const QString &path);

private:
    QWidget &mWindow;
    int mCode = Default;
    std::optional<QCursor> mCustomPicture;
};

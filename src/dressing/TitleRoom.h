#pragma once

#include <QObject>

class QWidget;

// Keeps every window the program shows at least as wide as its title needs, so that the
// window manager does not cut a longer translation of the title off: while it lives, each
// top-level window that is shown or retitled is widened where it is narrower.
class TitleRoom : public QObject {
public:
    TitleRoom();
    ~TitleRoom() override;

    TitleRoom(const TitleRoom &) = delete;
    TitleRoom &operator=(const TitleRoom &) = delete;

    // The width a window needs for its title: the title in the bold face title bars use,
    // and room for the window's icon and its buttons.
    static int widthNeeded(const QWidget &window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

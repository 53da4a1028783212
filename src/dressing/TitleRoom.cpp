#include "dressing/TitleRoom.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QLayout>
#include <QWidget>

namespace {

// The icon and the buttons of a title bar, in lines of the title's font.
constexpr int frameLines = 7;

void widen(QWidget &window)
{
    const int needed = TitleRoom::widthNeeded(window);
    if (window.width() >= needed)
        return;
    // A layout that fixes the window's size would take the width back at its next pass.
    if (QLayout *layout = window.layout(); layout && layout->sizeConstraint() == QLayout::SetFixedSize)
        layout->setSizeConstraint(QLayout::SetMinimumSize);
    window.setMaximumWidth(std::max(window.maximumWidth(), needed));
    window.setMinimumWidth(needed);
    window.resize(needed, window.height());
}

}

TitleRoom::TitleRoom()
{
    qApp->installEventFilter(this);
}

TitleRoom::~TitleRoom()
{
    qApp->removeEventFilter(this);
}

int TitleRoom::widthNeeded(const QWidget &window)
{
    if (window.windowTitle().isEmpty())
        return 0;
    QFont titleFont = QApplication::font();
    titleFont.setBold(true);
    const QFontMetrics metrics(titleFont);
    return metrics.horizontalAdvance(window.windowTitle()) + frameLines * metrics.height();
}

bool TitleRoom::eventFilter(QObject *watched, QEvent *event)
{
    // A window that sizes itself as it shows (a message box) resizes after its Show.
    const QEvent::Type type = event->type();
    if ((type == QEvent::Show || type == QEvent::Resize || type == QEvent::WindowTitleChange)
        && watched->isWidgetType()) {
        auto &widget = static_cast<QWidget &>(*watched);
        const Qt::WindowType kind = widget.windowType();
        if (widget.isWindow() && widget.isVisible() && (kind == Qt::Window || kind == Qt::Dialog))
            widen(widget);
    }
    return QObject::eventFilter(watched, event);
}

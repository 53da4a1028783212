#include "support/ProgramFixture.h"

#include <QGuiApplication>
#include <QTest>
#include <QWidget>

std::unique_ptr<ProgramFixture> startedProgram(const StoredValues &stored)
{
    auto fixture = std::make_unique<ProgramFixture>();
    fixture->store.seed(stored);
    fixture->program.start();
    return fixture;
}

void moveMouseOver(QWidget &widget)
{
    QWidget *window = widget.window();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QTest::mouseMove(window->windowHandle(), widget.mapTo(window, QPoint(3, 3)));
}

QColor backgroundOf(const QWidget &widget)
{
    return widget.palette().color(widget.backgroundRole());
}

QColor buttonFace()
{
    return QGuiApplication::palette().color(QPalette::Button);
}

#include "support/ClockFixture.h"

#include "clock/ClockWindow.h"
#include "clock/Form2.h"
#include "panel/Form1.h"
#include "panel/PanelWindow.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QTest>

std::unique_ptr<ProgramFixture> clockOpenedAt(const QDateTime &now, const StoredValues &stored,
                                              bool reportsClockChanges)
{
    auto fixture = std::make_unique<ProgramFixture>();
    fixture->store.seed(stored);
    fixture->platform.now = now;
    fixture->platform.reportsClockChanges = reportsClockChanges;
    fixture->program.start();
    fixture->program.form1().ui().PushButton1->click();
    return fixture;
}

ClockWindow &clockOf(ProgramFixture &fixture)
{
    return fixture.program.form2().ui();
}

void setClockSize(ProgramFixture &fixture, const QSize &size)
{
    ClockWindow &clock = clockOf(fixture);
    clock.showNormal();
    clock.setGeometry(QRect(QPoint(0, 0), size));
    QCOMPARE(clock.size(), size);
}

QImage tickAndGrab(ProgramFixture &fixture)
{
    fixture.program.form2().Timer1_Timer();
    QCoreApplication::processEvents();
    return clockOf(fixture).grab().toImage();
}

QRect litArea(const QImage &image, const QColor &background, const QRect &area)
{
    QRect lit;
    const QRect inside = area.isEmpty() ? image.rect() : area & image.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            if (image.pixelColor(x, y) != background)
                lit |= QRect(x, y, 1, 1);
        }
    }
    return lit;
}

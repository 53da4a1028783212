#include "panel/Form3.h"

#include "base/ErrorReport.h"
#include "base/ErrorTrap.h"
#include "base/PlatformServices.h"
#include "base/ProductInfo.h"
#include "dressing/MouseMoveNotifier.h"
#include "dressing/PointerFile.h"
#include "dressing/WindowDressing.h"
#include "dressing/WindowPlacement.h"
#include "panel/ColourSettings.h"
#include "panel/ColourWindow.h"
#include "panel/Form1.h"
#include "panel/SwatchLabel.h"
#include "platform/OleColor.h"
#include "windows/ProgramContext.h"
#include "windows/SiteLocks.h"

#include <QGroupBox>
#include <QPushButton>

namespace {

// The error report's location texts of the guarded procedures.
const QString formLoadLocation = ErrorReport::location("Form3", "Form_Load");
const QString pushButton1ClickLocation = ErrorReport::location("Form3", "PushButton1_Click");

QColor background(const QWidget &widget)
{
    return widget.palette().color(widget.backgroundRole());
}

}

Form3::Form3(ProgramContext &program)
    : mProgram(program)
{
}

ColourWindow &Form3::ui()
{
    return static_cast<ColourWindow &>(window());
}

QWidget *Form3::createWindow()
{
    auto *window = new ColourWindow;
    connectControls(*window);
    SiteLocks::declare(*window->Label1, { ColourSettings::fontColourKey });
    SiteLocks::declare(*window->Label2, { ColourSettings::backgroundColourKey });
    SiteLocks::apply(*window, mProgram.settings());
    centreOnScreen(*window);
    return window;
}

void Form3::connectControls(ColourWindow &window)
{
    connect(window.Label1, &SwatchLabel::clicked, this, &Form3::Label1_Click);
    connect(window.Label2, &SwatchLabel::clicked, this, &Form3::Label2_Click);
    connect(window.PushButton1, &QPushButton::clicked, this, &Form3::PushButton1_Click);
    connect(&window, &ColourWindow::escapePressed, this, &Form3::PushButton1_Click);

    const QList<QWidget *> clickables = { window.Label1, window.Label2, window.PushButton1 };
    for (QWidget *clickable : clickables)
        onMouseMove(*clickable, [this] { Clickable_MouseMove(); });
    const QList<QWidget *> plain = { &window, window.Frame1, window.Frame2 };
    for (QWidget *area : plain)
        onMouseMove(*area, [this] { Form_MouseMove(); });
}

void Form3::Form_Load()
{
    ColourWindow &window = ui();
    const SettingsStore &settings = mProgram.settings();
    ErrorTrap trap(mProgram.platform(), formLoadLocation);

    trap.line(100, [&] { SetFormColors(window); });
    trap.line(102, [&] { window.setWindowIcon(mProgram.appIcon()); });
    trap.line(104, [&] { window.setWindowTitle(ProductInfo::productName); });
    trap.line(106, [&] { loadPointerFile(window.pointer, mProgram.programFolder()); });
    trap.line(108, [&] {
        const qint32 colour
            = ColourSettings::stored(settings, ColourSettings::fontColourKey, ColourSettings::defaultFontColour);
        setBackgroundColour(*window.Label1, OleColor::toColor(colour));
    });
    trap.line(110, [&] {
        const qint32 colour = ColourSettings::stored(settings, ColourSettings::backgroundColourKey,
                                                     ColourSettings::defaultBackgroundColour);
        setBackgroundColour(*window.Label2, OleColor::toColor(colour));
    });
}

void Form3::chooseColour(QLabel &swatch, const QString &key)
{
    const std::optional<qint32> chosen = mProgram.platform().chooseColour(OleColor::fromColor(background(swatch)));
    // A cancel stores nothing: the file keeps what it holds, also what another copy wrote.
    if (!chosen)
        return;
    setBackgroundColour(swatch, OleColor::toColor(*chosen));
    // What the swatch shows is what is stored.
    ColourSettings::save(mProgram.settings(), key, OleColor::fromColor(background(swatch)));
}

void Form3::Label1_Click()
{
    chooseColour(*ui().Label1, ColourSettings::fontColourKey);
}

void Form3::Label2_Click()
{
    chooseColour(*ui().Label2, ColourSettings::backgroundColourKey);
}

void Form3::PushButton1_Click()
{
    ErrorTrap trap(mProgram.platform(), pushButton1ClickLocation);
    trap.line(100, [&] { Unload(); });
}

void Form3::Form_Unload()
{
    mProgram.form1().Show();
}

void Form3::Clickable_MouseMove()
{
    ui().pointer.setUnlessBusy(MousePointer::Custom);
}

void Form3::Form_MouseMove()
{
    ui().pointer.setUnlessBusy(MousePointer::Default);
}

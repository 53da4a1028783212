#pragma once

#include "windows/FormObject.h"

class ColourWindow;
class ProgramContext;
class QLabel;

// The colour option window: two swatches show the clock's digit and background colours,
// and clicking one chooses and stores a new colour. While it is open the control panel
// is hidden; closing it in any way shows the panel again.
class Form3 : public FormObject {
    Q_OBJECT

public:
    explicit Form3(ProgramContext &program);

    // The window's controls, loading the window again (hidden) when it is unloaded.
    ColourWindow &ui();

    void Form_Load() override;
    void Label1_Click();
    void Label2_Click();
    void PushButton1_Click();

    // Pointer feedback: the hand over the swatches and the Close button, the default
    // over the window and its frames.
    void Clickable_MouseMove();
    void Form_MouseMove();

protected:
    QWidget *createWindow() override;
    void Form_Unload() override;

private:
    void connectControls(ColourWindow &window);
    void chooseColour(QLabel &swatch, const QString &key);

    ProgramContext &mProgram;
};

#pragma once

#include "base/FontChoice.h"
#include "clock/TimeFormat.h"
#include "dressing/SkinFramework.h"
#include "windows/PanelForm.h"

class PanelWindow;
class QCheckBox;
class QRadioButton;
class ProgramContext;

// The control panel: the program's start-up window. Every control stores its setting
// the moment it changes; closing the panel ends the program unless it is closed only
// to make room for the clock.
class Form1 : public PanelForm {
    Q_OBJECT

public:
    explicit Form1(ProgramContext &program);

    // The panel's controls, loading the window again (hidden) when it is unloaded.
    PanelWindow &ui();

    void Form_Load() override;
    void SetAppTitle();
    void OpenHomePageByChance();

    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Check1_Click();
    void Check4_Click();
    void Check3_Click();
    void Check8_Click();
    void PushButton1_Click();

    ClockFormat selectedClockFormat() const override { return mSelectedClockFormat; }
    void showStoredCheckValue(Box box, int value) override;
    int boxValue(Box box) override;

    // The time zone selector (in Form1TimeZones.cpp).
    void ListTimeZones();
    void Combo1_Click();
    void Combo1_Change();
    void PushButton2_Click();
    void PushButton3_Click();
    void PushButton4_Click();
    void PushButton5_Click();

    // Pointer feedback: the hand over push buttons, the default elsewhere.
    void PushButton_MouseMove();
    void Form_MouseMove();

    // Shows a stored value in a box of the panel (as the clock's load does): its click
    // procedure runs and stores nothing.
    void showStoredCheckValue(QCheckBox &box, int value);

    bool isLoading() const { return mLoading; }
    qint32 localBias() const { return mLocalBias; }

    SkinFramework SkinFramework1;
    // The font dialog's properties, kept from one use to the next.
    FontChoice CommonDialog1;

protected:
    QWidget *createWindow() override;
    void Form_QueryUnload() override;

private:
    void storeFormatOptions();
    void assignFormatOption(QRadioButton &option, bool value);
    void connectControls(PanelWindow &window);
    // Declares the keys each control writes: those whose keys the site locks cannot be used.
    void lockSiteSettings(PanelWindow &window);
    void keepSelectedClockFormat(const PanelWindow &window);
    void storeCombo1Position();
    QCheckBox &box(Box which);
    // Whether a control changes by a person's choice, which is stored; the values the
    // loads show are not, so that site defaults and the computer's zone stay live.
    bool choosing() const { return !mLoading && !mShowingStoredValues; }

    ProgramContext &mProgram;
    bool mLoading = false;
    bool mShowingStoredValues = false;
    // The computer's own standard offset in minutes, UTC minus local.
    qint32 mLocalBias = 0;
    // The stored zone when the list lacks it because its file cannot be read: the clock is
    // given it, and says so, until another zone is chosen.
    QByteArray mUnreadableStoredZone;
    TimeFormat::ClockFormat mSelectedClockFormat = TimeFormat::ClockFormat::None;
};

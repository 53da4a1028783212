#pragma once

#include "dressing/TitleRoom.h"
#include "panel/Form1.h"
#include "program/DialogCountingPlatform.h"
#include "windows/ProgramContext.h"

#include <QIcon>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

// Owns the program's windows and the services they share. No window reaches another
// through a global: each gets the Program as its context.
class Program : public QObject, public ProgramContext {
    Q_OBJECT

public:
    Program(PlatformServices &platform, QString programFolder);
    ~Program() override;

    PlatformServices &platform() override { return mPlatform; }
    SettingsStore &settings() override { return *mSettings; }
    Form1 &form1() override { return *mForm1; }
    Form2 &form2() override { return *mForm2; }
    Form3 &form3() override { return *mForm3; }

    QString programFolder() const override { return mProgramFolder; }
    QString executablePath() const override { return mExecutablePath; }
    // Tests may run the program as another file.
    void setExecutablePath(QString path) { mExecutablePath = std::move(path); }
    QIcon appIcon() const override;

    // Asked on the command line: open the clock at start, on the named screen.
    void setStartRequest(bool openClock, QString screenName);
    bool opensClockAtStart() const override { return mOpenClockAtStart; }

    // Loads the control panel and shows it, unless its load opened the clock or ended
    // the program. With the clock asked for, opens the clock instead.
    void start();
    bool isStarting() const override { return mStarting; }
    std::optional<ScreenIdentity> askedScreen() const override;

    // Another start of the program handed over its command line. It is carried out from
    // the main loop once the program has started and no message box, dialog or other
    // window is open over the panel or the clock (until then the open ones come forward),
    // one request at a time.
    void request(const QStringList &arguments);
    // Carries out a later start's command line now: the clock comes or stays in front when
    // it is shown or "--clock" asks for it, else the panel does; "--clock" opens the clock
    // on the screen a start would, and "--screen" puts either on that screen as at start.
    void activate(const QStringList &arguments);

    void end(int exitCode = 0) override;
    bool hasEnded() const override { return mEnded; }
    int exitCode() const { return mExitCode; }

signals:
    void ended(int exitCode);

private:
    bool eventFilter(QObject *watched, QEvent *event) override;
    bool requestsMayRun() const;
    void lookAtRequestsSoon();
    void carryOutNextRequest();

    DialogCountingPlatform mPlatform;
    // Every window the program shows is wide enough for its title.
    TitleRoom mTitleRoom;
    QString mProgramFolder;
    QString mExecutablePath;
    mutable QIcon mAppIcon;
    std::unique_ptr<SettingsStore> mSettings;
    std::unique_ptr<Form1> mForm1;
    std::unique_ptr<Form2> mForm2;
    std::unique_ptr<Form3> mForm3;
    bool mOpenClockAtStart = false;
    // The screen named at start or by the request being carried out.
    QString mAskedScreenName;
    QList<QStringList> mRequests;
    bool mStarting = false;
    // A later start's "--clock" is being carried out.
    bool mClockAsked = false;
    bool mStarted = false;
    bool mEnded = false;
    int mExitCode = 0;
};
